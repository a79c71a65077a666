#include "run/TreeEngine.h"

#include "core/CompareTypes.h"
#include "platform/FreeMemory.h"
#include "report/CombinedReport.h"
#include "report/SideBySideReport.h"
#include "report/TreeListReport.h"
#include "tree/TreePairing.h"
#include "tree/TreeScan.h"

namespace kav {
namespace {

void ScanBothTrees(RunContext& ctx) {
  RunState& state = ctx.State;
  ScanTree(ctx, state.NewTreeNodes, state.NewDirName);
  state.Totals.NewDirTotal = state.Totals.TotalDirs;
  state.Totals.NewFileTotal = state.Totals.TotalFiles;
  ScanTree(ctx, state.OldTreeNodes, state.OldDirName);
}

void RunCombinedCompare(RunContext& ctx) {
  Host& ui = ctx.Ui;
  ui.SetVisible(Control::MnTitleProgBar, true);
  ui.SetVisible(Control::MnProgressBar, true);
  ui.SetVisible(Control::MnTitlePosPCent, true);
  ui.SetProgress(0);
  ui.SetText(Control::MnTitlePosPCent, "0%");
  ui.SetText(Control::MnTitleProgBar, "Dir.Progress");
  ScanBothTrees(ctx);
  PairTrees(ctx);
  // Pairing let go of the paired Old records' names; the report is built in that room
  // instead of on top of it.
  ReturnFreedMemory();
  BuildCombinedReport(ctx);
}

void RunSideBySideCompare(RunContext& ctx) {
  ScanBothTrees(ctx);
  PairTreesSideBySide(ctx);
  BuildSideBySideReport(ctx);
}

void ShowReport(RunContext& ctx) {
  RunState& state = ctx.State;
  Host& ui = ctx.Ui;
  if (state.ListNewTreeRun) {
    ui.OpenViewer(Viewer::SingleList);
    ui.SetText(Control::MnCurrStatus, " List tree of Single Directory operation completed.");
  } else if (state.ShowGraphViewer) {
    ui.SetText(Control::MnCurrStatus, " Graphical list tree of Changes Started.");
    ui.OpenViewer(Viewer::Graph);
    ui.SetText(Control::MnCurrStatus, " Graphical list tree of Changes Completed.");
  } else {
    state.Split.Prepared = false;
    ui.OpenViewer(Viewer::VSplit);
    if (state.ListBothTreesRun) ui.SetText(Control::MnCurrStatus, " Operation completed normally.");
  }
  // The rows now belong to the line lists; records no line list holds stay in the pool
  // until the next run's preparation releases it.
  state.NewTreeNodes.clear();
  state.OldTreeNodes.clear();
}

}  // namespace

std::string GraphViewerCaption() {
  return "Kavendrift Combined Directory and File Tree View: " + std::string(VersionText);
}

void RunTreeEngine(RunContext& ctx) {
  RunState& state = ctx.State;
  Host& ui = ctx.Ui;
  state.Totals = TreeTotals{};
  state.NewNumberedCount = 0;
  state.OldNumberedCount = 0;
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = 0;
  ui.SetVisible(Control::MnImage1, true);
  ui.SetVisible(Control::MnImage2, false);
  ui.ProcessPendingEvents();

  if (state.ShowGraphViewer) {
    RunCombinedCompare(ctx);
  } else if (state.ListNewTreeRun) {
    ListNewTree(ctx);
  } else if (state.ListBothTreesRun) {
    ListBothTrees(ctx);
  } else {
    RunSideBySideCompare(ctx);
  }

  const bool bypass = state.Panel.MnCkViewResults;
  if (!bypass && !state.HaltRequested) ShowReport(ctx);
  if (state.HaltRequested) {
    ui.SetText(Control::MnCurrStatus, TreeRunHaltedText);
  } else if (bypass) {
    ui.SetText(Control::MnCurrStatus,
               " Operation completed normally. Reshow and display of processing results "
               "provided.");
  }
}

}  // namespace kav
