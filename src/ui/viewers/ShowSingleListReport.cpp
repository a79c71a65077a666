#include "ui/viewers/ShowSingleListReport.h"

#include <QComboBox>
#include <QLabel>

#include "report/SingleListRows.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/logic/SingleListLogic.h"

namespace kav::ui {
namespace {

// A tree listing's row colours depend on the row above; working them out once, top to bottom,
// makes each row's colour (and the record's Color that printing reads) the same whichever
// rows the user scrolls to first.
void SettleTreeRowColors(RunState& state) {
  if (!state.ListNewTreeRun) return;
  const int rows = static_cast<int>(state.ReportLines.size());
  for (int row = 0; row < rows; ++row) SingleRowColor(state, row);
}

// The left edge for a viewer that has not been placed yet: centred over the main window.
int LeftEdge(const TFrmVSingle& viewer) {
  if (viewer.testAttribute(Qt::WA_Moved) || viewer.parentWidget() == nullptr) return viewer.x();
  const QWidget* owner = viewer.parentWidget()->window();
  return owner->x() + (owner->frameGeometry().width() - viewer.width()) / 2;
}

void RestoreGeometry(const RunState& state, TFrmVSingle& viewer, QComboBox* printSize,
                     QComboBox* listSize) {
  const SingleViewerRestore plan = PlanSingleViewerRestore(state);
  if (plan.PrintFontSize) printSize->setEditText(QString::number(*plan.PrintFontSize));
  if (plan.ListFontSize) {
    listSize->setEditText(QString::number(*plan.ListFontSize));
    viewer.SetListFontSize(*plan.ListFontSize);
  }
  if (plan.Height) viewer.resize(viewer.width(), *plan.Height);
  if (plan.Width) viewer.resize(*plan.Width, viewer.height());
  if (plan.Top) viewer.move(LeftEdge(viewer), *plan.Top);
  FitOnScreen(viewer);
}

}  // namespace

void PrepareSingleListReport(RunState& state, TFrmVSingle& viewer) {
  const QString caption = ToQt(SingleViewerCaption(state));
  viewer.setWindowTitle(caption);
  SettleTreeRowColors(state);
  viewer.ShowRows(ToQt(SingleViewerHeader(state)));
  // The labels name the directories the report was made from, not what the combos show now.
  viewer.NDirName->setText(ToQt(state.Panel.MnCbNewDirNm));
  viewer.OFNameL->setVisible(!state.ListNewTreeRun);
  viewer.ODirName->setText(state.ListNewTreeRun ? QString() : ToQt(state.Panel.MnCbOldDirNm));
  RestoreGeometry(state, viewer, viewer.CbFontSize, viewer.LsCbLBFontSz);
}

void ShowSingleListReport(RunState& state, TFrmVSingle& viewer) {
  PrepareSingleListReport(state, viewer);
  viewer.exec();
  StoreSingleViewerGeometry(state, FromQt(viewer.LsCbLBFontSz->currentText()),
                            FromQt(viewer.CbFontSize->currentText()), viewer.y(), viewer.height(),
                            viewer.width());
}

}  // namespace kav::ui
