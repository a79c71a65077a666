#include "ui/viewers/FindTextDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/main/ScreenFit.h"

namespace kav::ui {

FindTextDialog::FindTextDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FindDialog1"));
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);

  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("FindText"));
  matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
  matchCase_->setEnabled(false);
  up_ = new QRadioButton(QStringLiteral("&Up"), this);
  down_ = new QRadioButton(QStringLiteral("&Down"), this);
  down_->setChecked(true);
  findNext_ = new QPushButton(QStringLiteral("&Find Next"), this);
  findNext_->setObjectName(QStringLiteral("FindNext"));
  findNext_->setDefault(true);
  findNext_->setEnabled(false);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);

  auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
  auto* directionRow = new QHBoxLayout(direction);
  directionRow->addWidget(up_);
  directionRow->addWidget(down_);

  auto* left = new QVBoxLayout;
  auto* textRow = new QHBoxLayout;
  // With its buddy set the label shows "Find what:" and Alt+N goes to the text box.
  auto* findWhat = new QLabel(QStringLiteral("Fi&nd what:"), this);
  findWhat->setBuddy(text_);
  textRow->addWidget(findWhat);
  textRow->addWidget(text_);
  left->addLayout(textRow);
  auto* optionsRow = new QHBoxLayout;
  optionsRow->addWidget(matchCase_);
  optionsRow->addWidget(direction);
  left->addLayout(optionsRow);
  auto* right = new QVBoxLayout;
  right->addWidget(findNext_);
  right->addWidget(cancel);
  right->addStretch();
  auto* all = new QHBoxLayout(this);
  all->addLayout(left);
  all->addLayout(right);

  connect(text_, &QLineEdit::textChanged, this,
          [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
  connect(findNext_, &QPushButton::clicked, this, &FindTextDialog::FindNext);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindTextDialog::Text() const {
  return text_->text();
}
bool FindTextDialog::Down() const {
  return down_->isChecked();
}
void FindTextDialog::SetText(const QString& text) {
  text_->setText(text);
}

void FindTextDialog::SetDown(bool down) {
  down_->setChecked(down);
  up_->setChecked(!down);
}

void FindTextDialog::Open() {
  SetDown(true);
  FitOnScreen(*this);
  show();
  raise();
  activateWindow();
  text_->selectAll();
  text_->setFocus();
}

}  // namespace kav::ui
