#include "ui/viewers/TreeViewers.h"

#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

#include "run/TreeEngine.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/GraphFileModel.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/logic/GraphViewerLogic.h"

namespace kav::ui {
namespace {

void RestoreGraphGeometry(const RunState& state, TFrmGraph& viewer) {
  const GraphRestore plan = PlanGraphRestore(state);
  if (plan.Top) viewer.move(viewer.x(), *plan.Top);
  if (plan.Left) viewer.move(*plan.Left, viewer.y());
  if (plan.Height) viewer.resize(viewer.width(), *plan.Height);
  if (plan.Width) viewer.resize(*plan.Width, viewer.height());
  if (viewer.width() < GraphViewerMinimumWidth) {
    viewer.resize(GraphViewerMinimumWidth, viewer.height());
  }
  FitOnScreen(viewer);
  // The panes take their stored sizes inside the window's final size.
  viewer.layout()->activate();
  viewer.SetPaneSizes(plan.DirNodesHeight, plan.TreeWidth);
}

void OpenGraphViewer(RunContext& ctx, TFrmGraph& viewer) {
  viewer.ShowRun(ctx);
  RestoreGraphGeometry(ctx.State, viewer);
  viewer.setWindowTitle(ToQt(GraphViewerCaption()));
  viewer.exec();
  StoreGraphGeometry(ctx.State, viewer.Geometry());
}

void OpenSplitViewer(RunState& state, TFrmVSplit& viewer) {
  state.Split.Prepared = false;
  viewer.exec();
}

}  // namespace

void OpenTreeViewer(RunContext& ctx, Viewer viewer, const ViewerWindows& windows) {
  switch (viewer) {
    case Viewer::Graph:
      return OpenGraphViewer(ctx, *windows.Graph);
    case Viewer::VSplit:
      return OpenSplitViewer(ctx.State, *windows.VSplit);
    case Viewer::SingleList:
      return;
  }
}

QWidget* TreeViewerControl(const ViewerWindows& windows, Control control) {
  switch (control) {
    case Control::SplitInsLabel:
    case Control::SplitDelLabel:
    case Control::VsButLegend:
      return windows.VSplit->ControlWidget(control);
    default:
      return nullptr;
  }
}

}  // namespace kav::ui
