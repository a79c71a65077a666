#include "run/Dispatcher.h"

#include "core/CompareTypes.h"
#include "core/IoFailures.h"
#include "run/TreeEngine.h"

namespace kav {
namespace {

void ShowDirProgress(Host& ui) {
  ui.SetVisible(Control::MnProgressBar, true);
  ui.SetVisible(Control::MnTitleProgBar, true);
  ui.SetText(Control::MnTitleProgBar, "Dir.Progress");
  ui.SetVisible(Control::MnTitlePosPCent, true);
}

void SetLegendLabels(Host& ui, Control deleted, Control inserted, bool visible) {
  ui.SetVisible(deleted, visible);
  ui.SetVisible(inserted, visible);
}

void RunLikeNames(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptLdeo = s.Options.OptOvso = s.Options.OptLmcf = s.Options.OptGmsg =
      s.Options.OptLchv = false;
  SetLegendLabels(ctx.Ui, Control::SingleDelLabel, Control::SingleInsLabel, true);
  ShowDirProgress(ctx.Ui);
  PrecheckLikeNames(ctx);
  SetLegendLabels(ctx.Ui, Control::SingleDelLabel, Control::SingleInsLabel, false);
}

void RunTreeCompare(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptChgo = s.Options.OptSpnm = s.Options.OptLdeo = false;
  if (s.Options.OptLmcf) s.Options.OptLchv = false;
  s.TreeCompareRun = true;
  SetLegendLabels(ctx.Ui, Control::SplitDelLabel, Control::SplitInsLabel, true);
  ShowDirProgress(ctx.Ui);
  s.ShowGraphViewer = !s.Options.OptLsbs;
  RunTreeEngine(ctx);
  if (!s.HaltRequested) s.FinalVerdict = TreeCompareVerdict(s.Totals);
  SetLegendLabels(ctx.Ui, Control::SplitDelLabel, Control::SplitInsLabel, false);
}

void RunListNewTree(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptVeqf = s.Options.OptChgo = s.Options.OptSpnm = s.Options.OptOvso =
      s.Options.OptLmcf = s.Options.OptGmsg = s.Options.OptLchv = false;
  s.ListNewTreeRun = true;
  ctx.Ui.SetEnabled(Control::LsBitChngUp, false);
  ctx.Ui.SetEnabled(Control::LsBitChngDown, false);
  RunTreeEngine(ctx);
  if (!s.HaltRequested) s.FinalVerdict = TreeListVerdict(s.Totals);
  ctx.Ui.SetEnabled(Control::LsBitChngUp, true);
  ctx.Ui.SetEnabled(Control::LsBitChngDown, true);
}

void RunListBothTrees(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptVeqf = s.Options.OptChgo = s.Options.OptItdt = s.Options.OptSpnm =
      s.Options.OptOvso = false;
  s.Options.OptLmcf = s.Options.OptGmsg = s.Options.OptLchv = s.Options.OptLsbs = false;
  s.ListBothTreesRun = true;
  RunTreeEngine(ctx);
  if (!s.HaltRequested) s.FinalVerdict = TreeListVerdict(s.Totals);
}

void RunSelectLike(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptLdeo = s.Options.OptSpnm = s.Options.OptOvso = s.Options.OptLmcf =
      s.Options.OptGmsg = s.Options.OptLchv = false;
  s.SelectLikeRun = true;
  PrecheckSelectLike(ctx);
  s.SelectLikeRun = false;
}

void RunSelectUnlike(RunContext& ctx) {
  RunState& s = ctx.State;
  s.Options.OptSpnm = s.Options.OptLdeo = s.Options.OptOvso = s.Options.OptLmcf =
      s.Options.OptGmsg = s.Options.OptLchv = false;
  s.SelectUnlikeRun = true;
  PrecheckSelectUnlike(ctx);
  s.SelectUnlikeRun = false;
}

void Dispatch(RunContext& ctx) {
  switch (ctx.State.RunType) {
    case CompareType::LikeNames:
      return RunLikeNames(ctx);
    case CompareType::TreeCompare:
      return RunTreeCompare(ctx);
    case CompareType::ListNewTree:
      return RunListNewTree(ctx);
    case CompareType::ListBothTrees:
      return RunListBothTrees(ctx);
    case CompareType::SelectLike:
      return RunSelectLike(ctx);
    case CompareType::SelectUnlike:
      return RunSelectUnlike(ctx);
    case CompareType::None:
      ctx.Ui.ShowMessage(
          "Invalid \"Compare/List Type\" Option String specified.\r"
          "Reselect Option and select \"Start Button\"");
      ctx.State.RunValidated = false;
  }
}

void Run(RunContext& ctx) {
  RunState& state = ctx.State;
  state.RunValidated = true;
  ValidateRun(ctx);
  if (state.RunValidated) {
    state.RunBusy = true;
    ctx.Ui.SetVisible(Control::MnButStop, true);
    ctx.Ui.SetEnabled(Control::MnButExit, false);
    ctx.Ui.SetEnabled(Control::MnBtnStart, false);
    Dispatch(ctx);
    state.RunBusy = false;
    ctx.Ui.Focus(Control::MnCbOldDirNm);
  }
  if (state.RunValidated) ctx.Ui.SetEnabled(Control::MnBtnRshow, true);
}

// A single-level compare that ran its pairs ends with a verdict that names the error class of
// any pair it could not compare; every other run's closing text would claim a whole answer.
bool StatusNeedsIncompleteText(const RunState& state) {
  if (state.IoFailures.empty()) return false;
  const bool treeRun = state.TreeCompareRun || state.ListNewTreeRun || state.ListBothTreesRun;
  return treeRun || state.ReportLines.empty();
}

void CleanUp(RunContext& ctx) {
  RunState& state = ctx.State;
  Host& ui = ctx.Ui;
  ui.SetVisible(Control::MnButStop, false);
  ui.SetEnabled(Control::MnButExit, true);
  ui.SetEnabled(Control::MnBtnStart, true);
  ui.SetEnabled(Control::MnCkViewResults, true);
  for (Control c : {Control::MnImage1, Control::MnImage2, Control::MnTitleProgBar,
                    Control::MnProgressBar, Control::MnTitlePosPCent}) {
    ui.SetVisible(c, false);
  }
  if (state.HaltRequested) {
    ui.SetText(Control::MnCurrStatus,
               "Operation terminated at user request. End results may not be valid.");
    ui.SetEnabled(Control::MnBtnRshow, false);
    if (state.FinalVerdict != Verdict::Abnormal) state.FinalVerdict = Verdict::Halted;
  } else if (StatusNeedsIncompleteText(state)) {
    ui.SetText(Control::MnCurrStatus, IncompleteRunStatus);
  }
  // An exception may have left a run flag set; they hold only around their own run.
  state.SingleLevelRun = false;
  state.SelectLikeRun = false;
  state.SelectUnlikeRun = false;
  state.Names = {};
}

}  // namespace

void RunCompare(RunContext& ctx) {
  RunCompare(ctx, CompareTypeOf(ctx.State.Panel.MnCbCompareType));
}

void RunCompare(RunContext& ctx, CompareType type) {
  ctx.State.RunType = type;
  ctx.State.IoFailures.clear();
  ctx.State.FinalVerdict = Verdict::None;
  try {
    Run(ctx);
  } catch (...) {
    ctx.State.FinalVerdict = Verdict::Abnormal;
    ctx.Ui.SetText(Control::MnCurrStatus, VerdictText(Verdict::Abnormal));
    ctx.State.RunBusy = false;
  }
  CleanUp(ctx);
}

void MnButStopClick(RunState& state) {
  state.HaltRequested = true;
}

}  // namespace kav
