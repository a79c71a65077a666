#include "core/ShowResults.h"

namespace kav {

void ShowResults(RunContext& ctx) {
  const RunState& state = ctx.State;
  if (state.ShowGraphViewer) {
    ctx.Ui.OpenViewer(Viewer::Graph);
  } else if (!state.TreeCompareRun && !state.ListBothTreesRun) {
    ctx.Ui.OpenViewer(Viewer::SingleList);
  } else {
    ctx.Ui.OpenViewer(Viewer::VSplit);
  }
  ctx.Ui.Focus(Control::MnButExit);
}

}  // namespace kav
