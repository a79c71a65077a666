// Writes a PNG of each tree report viewer and its dialogs over a realistic pair of trees, for
// a person to look at (not a test):
//   kavdrift_tree_screenshots OUTPUT_FOLDER
// Run it under xvfb-run (or on the offscreen platform).
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTreeView>
#include <cstdio>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "ui/viewers/GraphTreeModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmSbS.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/TreeViewers.h"
#include "ui/viewers/ViewerControls.h"

using namespace kav;
using namespace kav::ui;

namespace {

void Save(QWidget& widget, const QString& folder, const char* name) {
  QApplication::processEvents();
  const QString path = folder + "/" + name + ".png";
  if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

// The realistic pair of trees, with a few more files in each directory.
void MakeTrees(const test::TempTree& tree) {
  test::MakeRealisticTrees(tree);
  for (int i = 0; i < 12; ++i) {
    const std::string name = "src/module" + std::to_string(i) + ".cpp";
    tree.File("new/" + name, "body " + std::to_string(i));
    if (i % 4 != 0) tree.File("old/" + name, "body " + std::to_string(i % 3 == 0 ? 99 : i));
  }
  tree.File("old/src/retired.cpp", "old");
  tree.SizedFile("new/assets/logo.png", 48213);
  tree.SizedFile("old/assets/logo.png", 48213);
  tree.File("new/assets/icons/new.svg", "<svg/>");
}

QModelIndex Titled(const QAbstractItemModel& model, const QString& title,
                   const QModelIndex& parent = {}) {
  for (int row = 0; row < model.rowCount(parent); ++row) {
    const QModelIndex index = model.index(row, 0, parent);
    if (index.data().toString() == title) return index;
    const QModelIndex below = Titled(model, title, index);
    if (below.isValid()) return below;
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: kavdrift_tree_screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  test::TempTree tree;
  MakeTrees(tree);
  QWidget owner;

  test::RecordedRun combined;
  combined.Start(tree, 2);
  RunContext ctx = combined.Context();
  TFrmGraph& graph = *CreateViewerWindows(ctx, &owner).Graph;
  graph.ShowRun(ctx);
  graph.setWindowTitle(
      "Kavendrift Combined Directory and File Tree View: Kavendrift V3.0d - (08/01/2001)");
  graph.resize(980, 720);
  graph.show();
  test::Named<QTreeView>(graph, "GrTreeView")->expandAll();
  graph.ShowDirectoryFiles(Titled(*graph.TreeModel, "src"));
  Save(graph, folder, "graph_viewer");
  graph.hide();

  test::RecordedRun sideBySide;
  sideBySide.Start(tree, 2, true);
  TFrmVSplit aligned(sideBySide.state, nullptr);
  aligned.resize(1100, 640);
  aligned.show();
  test::Named<QLabel>(aligned, "LsLblInsLabel")->show();
  test::Named<QLabel>(aligned, "LsLblDelLabel")->show();
  Save(aligned, folder, "vsplit_type2");
  ShowChangeFlagLegend(&aligned);
  Save(*ChangeFlagLegendWindow(), folder, "legend");
  ChangeFlagLegendWindow()->hide();
  TFrmVSplit2 stacked(sideBySide.state, nullptr);
  stacked.Prepare(test::Named<QTreeView>(aligned, "VsListBox2")->font(),
                  test::Named<QTreeView>(aligned, "VsListbox3")->font());
  stacked.resize(900, 640);
  stacked.show();
  Save(stacked, folder, "hsplit_type2");
  stacked.hide();
  // A large font in a narrow window: the header bands span the lists, and the bottom list
  // scrolled to its right end shows the end of its title row.
  TFrmVSplit2 large(sideBySide.state, nullptr);
  large.Prepare(ReportFont(12), ReportFont(12));
  large.resize(620, 640);
  large.show();
  QApplication::processEvents();
  test::Named<QTreeView>(large, "HsListbox3")
      ->horizontalScrollBar()
      ->setValue(test::Named<QTreeView>(large, "HsListbox3")->horizontalScrollBar()->maximum());
  Save(large, folder, "hsplit_font12_scrolled");
  large.hide();
  aligned.hide();

  test::RecordedRun listing;
  listing.Start(tree, 6);
  TFrmVSplit lists(listing.state, nullptr);
  lists.resize(1000, 560);
  lists.show();
  Save(lists, folder, "vsplit_type6");
  lists.hide();

  TFrmSbS dialog(nullptr);
  dialog.Prepare(70, false, true);
  dialog.show();
  Save(dialog, folder, "sbs_dialog");
  return 0;
}
