// The split viewer's plain print with the spool limit, its coloured output and Save As.
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>

#include "report/SplitLayouts.h"
#include "report/SplitRows.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/viewers/ListOutput.h"
#include "ui/viewers/ReportPrinting.h"
#include "ui/viewers/TFrmPrntLmt.h"
#include "ui/viewers/TFrmSbS.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/ListSaveFiles.h"
#include "ui/viewers/logic/ReportSaveName.h"
#include "ui/viewers/logic/SplitPrintJobs.h"

namespace kav::ui {

void TFrmVSplit::UseDialogs(TFrmSbS* sbs, TFrmPrntLmt* spoolLimit) {
  SbS_ = sbs;
  PrntLmt_ = spoolLimit;
}

int TFrmVSplit::PrintFontSize() const {
  return FontSizeOf(CbFontSize->currentText());
}

void TFrmVSplit::LsButPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinterSetUp(this, printer)) return;
  const int points = PrintFontSize();
  const PageGeometry geometry = MeasurePageGeometry(printer, points);
  const SplitPageEstimate estimate = EstimateSplitPages(state_, geometry.LinesPerPage);
  bool limited = PrntLmt_ != nullptr && PrntLmt_->LimitChosen();
  if (SpoolLimitDialogNeeded(estimate) && PrntLmt_ != nullptr) {
    const std::optional<bool> choice =
        AskSpoolLimit(*PrntLmt_, SpoolEstimateText(state_, estimate));
    if (!choice) return;
    limited = *choice;
  }
  {
    WaitCursor wait;
    PrintSession session(printer, points, RepaintPending);
    for (const PrintJob& job : SplitPrintJobs(state_, geometry, limited)) {
      if (session.Print(job)) continue;
      ShowOkMessage(this, FromQt(session.Error()));
      break;
    }
  }
  LsButReturn->setFocus();
}

void TFrmVSplit::ColoredOutput(ColoredMode mode,
                               const std::function<void(ColoredDocument&&)>& send) {
  WaitCursor wait;
  LsLblHaltMessage->show();
  RepaintPending();
  SplitColoredOutput(state_, mode, send, RepaintPending);
  LsLblHaltMessage->hide();
}

void TFrmVSplit::LsButColorPrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  if (!AskPrinterSetUp(this, printer)) return;
  PrintSession session(printer, PrintFontSize(), RepaintPending);
  bool failed = false;
  ColoredOutput(ColoredMode::Print, [&](ColoredDocument&& document) {
    if (!failed && !session.Print(document)) failed = true;
  });
  if (failed) ShowOkMessage(this, FromQt(session.Error()));
}

std::optional<std::string> TFrmVSplit::SplitFileText(const std::string& path, bool& append) {
  append = false;
  if (state_.ListBothTreesRun) return JoinedLines(TreeListFileLines(state_));
  if (state_.Options.OptOvso) return JoinedLines(StackedFileLines(state_, ""));
  if (SbS_ == nullptr) return std::nullopt;
  state_.MaxRowWidth = LongestSplitRow(state_);
  const bool exists = QFileInfo::exists(ToQt(path));
  const std::optional<SbsChoice> choice = AskSideBySideSave(*SbS_, state_, exists);
  if (!choice) return std::nullopt;
  append = exists && choice->Append;
  const std::string title = choice->TitleChecked ? choice->Title : std::string();
  if (choice->Layout == SbsLayout::Stacked) return JoinedLines(StackedFileLines(state_, title));
  return JoinedLines(SideBySideFileLines(state_, choice->SideWidth, title));
}

void TFrmVSplit::LsButSaveAsClick() {
  const QString stored = ToQt(state_.OutputFileName);
  const bool storedExists = !stored.isEmpty() && QFileInfo(stored).isFile();
  const std::string path = AskListSaveName(this, state_, storedExists, ".Txt");
  if (path.empty()) return;
  std::string error;
  if (IsRtfFileName(path)) {
    ColoredDocument whole;
    ColoredOutput(ColoredMode::Save,
                  [&](ColoredDocument&& document) { whole = std::move(document); });
    WaitCursor wait;
    error = SaveColoredFile(path, whole, PrintFontSize());
  } else {
    bool append = false;
    const std::optional<std::string> text = SplitFileText(path, append);
    if (!text) return;
    WaitCursor wait;
    error = SaveWholeFile(path, *text, append);
  }
  if (!error.empty()) ShowOkMessage(this, error);
  LsButReturn->setFocus();
}

}  // namespace kav::ui
