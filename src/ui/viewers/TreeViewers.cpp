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
#include "ui/viewers/GraphViewerLogic.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmVSplit.h"

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

void OpenGraphViewer(RunContext& ctx, QWidget* parent) {
  TFrmGraph& viewer = GraphViewer(ctx, parent);
  viewer.ShowRun(ctx);
  RestoreGraphGeometry(ctx.State, viewer);
  viewer.setWindowTitle(ToQt(GraphViewerCaption()));
  viewer.exec();
  StoreGraphGeometry(ctx.State, GeometryOf(viewer));
}

void OpenSplitViewer(RunState& state, QWidget* parent) {
  TFrmVSplit& viewer = SplitViewer(state, parent);
  state.Split.Prepared = false;
  viewer.exec();
}

}  // namespace

TFrmVSplit& SplitViewer(RunState& state, QWidget* parent) {
  auto* viewer = parent->findChild<TFrmVSplit*>(QString(), Qt::FindDirectChildrenOnly);
  if (viewer == nullptr) viewer = new TFrmVSplit(state, parent);
  return *viewer;
}

TFrmGraph& GraphViewer(RunContext& ctx, QWidget* parent) {
  auto* viewer = parent->findChild<TFrmGraph*>(QString(), Qt::FindDirectChildrenOnly);
  if (viewer == nullptr) viewer = new TFrmGraph(ctx, parent);
  return *viewer;
}

void OpenTreeViewer(RunContext& ctx, Viewer viewer, QWidget* parent) {
  switch (viewer) {
    case Viewer::Graph:
      return OpenGraphViewer(ctx, parent);
    case Viewer::VSplit:
      return OpenSplitViewer(ctx.State, parent);
    case Viewer::SingleList:
      return;
  }
}

QWidget* TreeViewerControl(RunState& state, QWidget* parent, Control control) {
  switch (control) {
    case Control::SplitInsLabel:
    case Control::SplitDelLabel:
    case Control::VsButLegend:
      return SplitViewer(state, parent).ControlWidget(control);
    default:
      return nullptr;
  }
}

}  // namespace kav::ui
