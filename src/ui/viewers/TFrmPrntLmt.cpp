#include "ui/viewers/TFrmPrntLmt.h"

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
#include "ui/viewers/logic/ListSaveFiles.h"

namespace kav::ui {

TFrmPrntLmt::TFrmPrntLmt(RunState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("FrmPrntLmt"));
  setWindowTitle(QStringLiteral("Kavdrift Printer Spool Limit "));
  PrntLblPages = new QLabel(this);
  PrntLblPages->setObjectName(QStringLiteral("PrntLblPages"));
  PrntCkPrntAll = new QRadioButton(
      QStringLiteral("Print all pages in each job segment as one spool segment."), this);
  PrntCkPrntAll->setObjectName(QStringLiteral("PrntCkPrntAll"));
  PrntCkUseLns =
      new QRadioButton(QStringLiteral("Limit spool segments to               pages."), this);
  PrntCkUseLns->setObjectName(QStringLiteral("PrntCkUseLns"));
  PrntCkPrntAll->setChecked(true);
  PrntEdLmtVal = new QLineEdit(this);
  PrntEdLmtVal->setObjectName(QStringLiteral("PrntEdLmtVal"));
  PrntEdLmtVal->setMaxLength(3);
  PrntEdLmtVal->setMaximumWidth(40);
  PrntButUse = ViewerButton(this, "PrntButUse", "&Use");
  PrntButCancel = ViewerButton(this, "PrntButCancel", "&Cancel");

  auto* pages = new QHBoxLayout;
  pages->addWidget(
      new QLabel(QStringLiteral("Number of output pages in each spool segment  = "), this));
  pages->addWidget(PrntLblPages, 1);
  auto* limit = new QHBoxLayout;
  limit->addWidget(PrntCkUseLns);
  limit->addWidget(PrntEdLmtVal);
  limit->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(PrntButUse);
  buttons->addWidget(PrntButCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(pages);
  layout->addWidget(PrntCkPrntAll);
  layout->addLayout(limit);
  layout->addWidget(new QLabel(QStringLiteral("Limit large spool volume (greater than 10 pages) \n"
                                              "for either the New or Old print job submission."),
                               this));
  layout->addLayout(buttons);

  connect(PrntButUse, &QPushButton::clicked, this, &TFrmPrntLmt::PrntButUseClick);
  connect(PrntButCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmPrntLmt::Prepare(const std::string& estimate) {
  PrntLblPages->setText(ToQt(estimate));
  PrntEdLmtVal->setText(ToQt(state_.SegmentPagesText));
  const bool limited = SpoolLimitOpensLimited(state_.PrintAllPages, state_.SegmentPagesText);
  PrntCkUseLns->setChecked(limited);
  PrntCkPrntAll->setChecked(!limited);
}

bool TFrmPrntLmt::LimitChosen() const {
  return PrntCkUseLns->isChecked();
}

void TFrmPrntLmt::PrntButUseClick() {
  if (PrntCkUseLns->isChecked() && !SegmentPagesValid(FromQt(PrntEdLmtVal->text()))) {
    ShowOkMessage(this, SegmentPagesInvalidMessage);
    PrntEdLmtVal->setFocus();
    return;
  }
  accept();
}

void TFrmPrntLmt::done(int result) {
  state_.PrintAllPages = PrntCkPrntAll->isChecked();
  state_.SegmentPagesText = KeptSegmentPagesText(FromQt(PrntEdLmtVal->text()));
  QDialog::done(result);
}

std::optional<bool> AskSpoolLimit(TFrmPrntLmt& window, const std::string& estimate) {
  QPointer<TFrmPrntLmt> dialog = &window;
  dialog->Prepare(estimate);
  FitOnScreen(*dialog);
  if (dialog->exec() != QDialog::Accepted || dialog.isNull()) return std::nullopt;
  return dialog->LimitChosen();
}

}  // namespace kav::ui
