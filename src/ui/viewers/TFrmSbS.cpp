#include "ui/viewers/TFrmSbS.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/ViewerControls.h"

namespace kav::ui {

TFrmSbS::TFrmSbS(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmSbS"));
  setWindowTitle(QStringLiteral("Kavdrift Side-by-Side Save File Preference"));
  SbsRdSingle = new QRadioButton(QStringLiteral("Save as Single Two Part Stacked Report"), this);
  SbsRdSingle->setObjectName(QStringLiteral("SbsRdSingle"));
  SbsRdDouble = new QRadioButton(QStringLiteral("Save as Single Side-by-Side Report"), this);
  SbsRdDouble->setObjectName(QStringLiteral("SbsRdDouble"));
  SbsRdSingle->setChecked(true);
  SbsEdSide = new QLineEdit(this);
  SbsEdSide->setObjectName(QStringLiteral("SbsEdSide"));
  SbsEdSide->setMaximumWidth(60);
  SbsLblCmbSz = new QLabel(this);
  SbsLblCmbSz->setObjectName(QStringLiteral("SbsLblCmbSz"));
  SbsLblStkSz = new QLabel(this);
  SbsLblStkSz->setObjectName(QStringLiteral("SbsLblStkSz"));
  SbsCkTitle = new QCheckBox(QStringLiteral("Title : Optional"), this);
  SbsCkTitle->setObjectName(QStringLiteral("SbsCkTitle"));
  SbsEdTitle = new QLineEdit(this);
  SbsEdTitle->setObjectName(QStringLiteral("SbsEdTitle"));
  SbsCkAppend =
      new QCheckBox(QStringLiteral("  Append to End Instead of Replace Output File"), this);
  SbsCkAppend->setObjectName(QStringLiteral("SbsCkAppend"));
  SbsCkAppend->setEnabled(false);
  SbsButUse = ViewerButton(this, "SbsButUse", "&Use");
  SbsButCancel = ViewerButton(this, "SbsButCancel", "&Cancel");

  auto* sizes = new QGridLayout;
  auto* heading = new QLabel(QStringLiteral("Output Line Size ="), this);
  heading->setObjectName(QStringLiteral("SbsTitleSize"));
  sizes->addWidget(heading, 0, 0, 1, 2);
  sizes->addWidget(new QLabel(QStringLiteral("Use Size for Each Data Side ="), this), 1, 0);
  sizes->addWidget(SbsEdSide, 1, 1);
  sizes->addWidget(new QLabel(QStringLiteral("Combined Data Line Size       ="), this), 2, 0);
  sizes->addWidget(SbsLblCmbSz, 2, 1);
  sizes->addWidget(new QLabel(QStringLiteral("Output Data Line Size          ="), this), 3, 0);
  sizes->addWidget(SbsLblStkSz, 3, 1);
  auto* title = new QHBoxLayout;
  title->addWidget(SbsCkTitle);
  title->addWidget(SbsEdTitle, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(SbsButUse);
  buttons->addWidget(SbsButCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SbsRdSingle);
  layout->addWidget(SbsRdDouble);
  layout->addLayout(sizes);
  layout->addLayout(title);
  layout->addWidget(SbsCkAppend);
  layout->addLayout(buttons);

  connect(SbsEdSide, &QLineEdit::textChanged, this, &TFrmSbS::SbsEdSideChange);
  connect(SbsButUse, &QPushButton::clicked, this, &TFrmSbS::SbsButUseClick);
  connect(SbsButCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmSbS::Prepare(int maxRowWidth, bool stacked, bool appendEnabled) {
  maxRowWidth_ = maxRowWidth;
  {
    const QSignalBlocker quiet(SbsEdSide);
    SbsEdSide->setText(QString::number(maxRowWidth));
  }
  SbsLblStkSz->setText(QString::number(maxRowWidth));
  SbsLblCmbSz->setText(QString::number(CombinedLineSize(maxRowWidth)));
  (stacked ? SbsRdSingle : SbsRdDouble)->setChecked(true);
  SbsCkAppend->setEnabled(appendEnabled);
  if (!appendEnabled) SbsCkAppend->setChecked(false);
}

SbsChoice TFrmSbS::Choice() const {
  SbsChoice choice;
  choice.Layout = SbsRdDouble->isChecked() ? SbsLayout::SideBySide : SbsLayout::Stacked;
  choice.SideWidth = SideWidthOf(FromQt(SbsEdSide->text())).value_or(maxRowWidth_);
  choice.TitleChecked = SbsCkTitle->isChecked();
  choice.Title = FromQt(SbsEdTitle->text());
  choice.Append = SbsCkAppend->isEnabled() && SbsCkAppend->isChecked();
  return choice;
}

void TFrmSbS::SbsEdSideChange() {
  const SbsSideEdit edit = SbsSideChanged(FromQt(SbsEdSide->text()), maxRowWidth_);
  SbsLblCmbSz->setText(QString::number(edit.CombinedSize));
  if (edit.Message.empty()) return;
  {
    const QSignalBlocker quiet(SbsEdSide);
    SbsEdSide->setText(ToQt(edit.SideText));
  }
  ShowOkMessage(this, edit.Message);
}

void TFrmSbS::SbsButUseClick() {
  const SbsLayout layout = SbsRdDouble->isChecked() ? SbsLayout::SideBySide : SbsLayout::Stacked;
  const SbsUseDecision decision = SbsUse(layout, FromQt(SbsEdSide->text()), maxRowWidth_);
  if (decision.Close) {
    accept();
    return;
  }
  {
    const QSignalBlocker quiet(SbsEdSide);
    SbsEdSide->setText(QString::number(maxRowWidth_));
  }
  SbsLblCmbSz->setText(QString::number(CombinedLineSize(maxRowWidth_)));
  ShowOkMessage(this, decision.Message);
}

std::optional<SbsChoice> AskSideBySideSave(TFrmSbS& window, RunState& state, bool targetExists) {
  QPointer<TFrmSbS> dialog = &window;
  dialog->Prepare(state.MaxRowWidth, state.SaveStacked, targetExists);
  FitOnScreen(*dialog);
  if (dialog->exec() != QDialog::Accepted || dialog.isNull()) return std::nullopt;
  SbsChoice choice = dialog->Choice();
  state.SaveStacked = choice.Layout == SbsLayout::Stacked;
  return choice;
}

}  // namespace kav::ui
