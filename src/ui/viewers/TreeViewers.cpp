#include "ui/viewers/TreeViewers.h"

#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

#include "tree/TreeEngine.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/GraphFileModel.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/logic/GraphViewerLogic.h"

namespace kav::ui {
namespace {

// Gives the first pane of `splitter` `size` pixels, the second the rest.
void SetFirstPane(QSplitter* splitter, int size) {
  const int total =
      (splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height()) -
      splitter->handleWidth();
  const int first = std::clamp(size, 1, std::max(1, total - 1));
  splitter->setSizes({first, std::max(1, total - first)});
}

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
  if (plan.DirNodesHeight) SetFirstPane(viewer.GrSplitMain, *plan.DirNodesHeight);
  if (plan.TreeWidth) SetFirstPane(viewer.GrPanDirNodes, *plan.TreeWidth);
}

GraphGeometry GeometryOf(const TFrmGraph& viewer) {
  GraphGeometry g;
  g.ColumnWidth = viewer.GrListView->header()->sectionSize(0);
  g.Top = viewer.y();
  g.Left = viewer.x();
  g.Height = viewer.height();
  g.Width = viewer.width();
  g.TreeWidth = viewer.GrTreeView->width();
  g.DirNodesHeight = viewer.GrPanDirNodes->height();
  return g;
}

void OpenGraphViewer(RunContext& ctx, TFrmGraph& viewer) {
  viewer.ShowRun(ctx);
  RestoreGraphGeometry(ctx.State, viewer);
  viewer.setWindowTitle(ToQt(GraphViewerCaption()));
  viewer.exec();
  StoreGraphGeometry(ctx.State, GeometryOf(viewer));
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
