#include "run/TreeEngine.h"

#include <gtest/gtest.h>

#include "support/TreeRunFixture.h"

namespace kav {
namespace {

using test::DirOf;
using test::TempTree;
using test::TreeRun;
using Strings = std::vector<std::string>;

enum class Flow { Combined, SideBySide, ListNew, ListBoth };

// A run set up as Start leaves it for the tree engine: validated directories, run-type flags.
struct EngineRun {
  TempTree tree;
  TreeRun run;

  explicit EngineRun(Flow flow) {
    tree.File("New/same.txt", "same");
    tree.File("Old/same.txt", "same");
    tree.File("New/grown.txt", "longer");
    tree.File("Old/grown.txt", "short");
    tree.File("New/fresh/a.bin", "a");
    RunState& s = run.state;
    s.NewDirName = DirOf(tree, "New");
    s.OldDirName = DirOf(tree, "Old");
    s.Panel.MnCbNewDirNm = tree.Path("New");
    s.Panel.MnCbOldDirNm = tree.Path("Old");
    s.TreeCompareRun = flow == Flow::Combined || flow == Flow::SideBySide;
    s.ShowGraphViewer = flow == Flow::Combined;
    s.Options.OptLsbs = flow == Flow::SideBySide;
    s.ListNewTreeRun = flow == Flow::ListNew;
    s.ListBothTreesRun = flow == Flow::ListBoth;
  }
  void Run() {
    RunContext ctx = run.Context();
    RunTreeEngine(ctx);
  }
};

TEST(RunTreeEngine, EachFlowOpensItsViewerAndSaysHowItEnded) {
  struct Case {
    Flow flow;
    Viewer viewer;
    Strings lastStatuses;
  };
  const Case cases[] = {
      {Flow::Combined,
       Viewer::Graph,
       {" Graphical list tree of Changes Started.", " Graphical list tree of Changes Completed."}},
      {Flow::SideBySide,
       Viewer::VSplit,
       {"Kavendrift found changes in the Sub-level Directories and files checked."}},
      {Flow::ListNew, Viewer::VSplit, {}},
      {Flow::ListBoth, Viewer::VSplit, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.flow));
    EngineRun e(c.flow);
    bool preparedAtOpening = true;
    e.run.host.onOpenViewer = [&](Viewer) { preparedAtOpening = e.run.state.Split.Prepared; };
    e.run.state.Split.Prepared = true;
    e.Run();
    const Strings& statuses = e.run.host.statuses;
    if (c.flow == Flow::ListNew) {
      EXPECT_EQ(e.run.host.viewersOpened, std::vector<Viewer>{Viewer::SingleList});
      EXPECT_EQ(e.run.host.LastStatus(), " List tree of Single Directory operation completed.");
      EXPECT_EQ(e.run.state.ReportLines.size(), 6u);
      continue;
    }
    EXPECT_EQ(e.run.host.viewersOpened, std::vector<Viewer>{c.viewer});
    if (c.flow == Flow::ListBoth) {
      EXPECT_EQ(e.run.host.LastStatus(), " Operation completed normally.");
      EXPECT_FALSE(preparedAtOpening);
      continue;
    }
    const auto shown = static_cast<std::ptrdiff_t>(c.lastStatuses.size());
    ASSERT_GE(statuses.size(), c.lastStatuses.size());
    EXPECT_EQ(Strings(statuses.end() - shown, statuses.end()), c.lastStatuses);
    if (c.flow == Flow::SideBySide) {
      EXPECT_FALSE(preparedAtOpening);
    }
    const TreeTotals& t = e.run.state.Totals;
    EXPECT_EQ(t.EqualFiles, 1);
    EXPECT_EQ(t.ChangedFiles, 1);
    EXPECT_EQ(t.InsertedDirs, 1);
    EXPECT_EQ(t.InsertedFiles, 1);
    EXPECT_EQ(t.NewDirTotal, 2);
    EXPECT_EQ(t.NewFileTotal, 3);
    EXPECT_EQ(t.TotalFiles, 2);  // the Old scan's
    EXPECT_TRUE(e.run.state.NewTreeNodes.empty());
    EXPECT_TRUE(e.run.state.OldTreeNodes.empty());
  }
}

TEST(RunTreeEngine, TheCombinedFlowShowsDirectoryProgressAndBuildsTheReport) {
  EngineRun e(Flow::Combined);
  e.Run();
  const Strings& calls = e.run.host.calls;
  for (const char* call : {"visible MnImage1=1", "visible MnImage2=0", "visible MnTitleProgBar=1",
                           "visible MnProgressBar=1", "visible MnTitlePosPCent=1",
                           "text MnTitleProgBar=Dir.Progress"}) {
    EXPECT_NE(std::find(calls.begin(), calls.end(), call), calls.end()) << call;
  }
  EXPECT_FALSE(e.run.state.CombinedReport.empty());
  EXPECT_EQ(e.run.state.CombinedTree.size(), 2u);
  EXPECT_EQ(e.run.state.NewTreeLines.size(), 5u);
  EXPECT_EQ(GraphViewerCaption(),
            "Kavendrift Combined Directory and File Tree View: Kavendrift V3.0d - (08/01/2001)");
}

TEST(RunTreeEngine, BypassBuildsTheReportWithoutAViewer) {
  for (Flow flow : {Flow::Combined, Flow::SideBySide, Flow::ListNew, Flow::ListBoth}) {
    SCOPED_TRACE(static_cast<int>(flow));
    EngineRun e(flow);
    e.run.state.Panel.MnCkViewResults = true;
    e.Run();
    EXPECT_TRUE(e.run.host.viewersOpened.empty());
    EXPECT_EQ(e.run.host.LastStatus(),
              " Operation completed normally. Reshow and display of processing results "
              "provided.");
    EXPECT_FALSE(e.run.state.NewTreeLines.empty());
  }
}

TEST(RunTreeEngine, AHaltOpensNoViewer) {
  for (Flow flow : {Flow::Combined, Flow::SideBySide, Flow::ListNew, Flow::ListBoth}) {
    SCOPED_TRACE(static_cast<int>(flow));
    EngineRun e(flow);
    TreeRun& run = e.run;
    run.host.onPendingEvents = [&] {
      if (run.host.eventPumps == 2) run.state.HaltRequested = true;  // in the first scan
    };
    e.Run();
    EXPECT_TRUE(run.host.viewersOpened.empty());
    EXPECT_EQ(run.host.LastStatus(), " Operation prematurely stopped at user request.");
  }
}

TEST(RunTreeEngine, StartsEveryRunWithFreshCounters) {
  EngineRun e(Flow::Combined);
  e.run.state.Totals.FailedFiles = 5;
  e.run.state.Totals.UnreadableDirs = 2;
  e.run.state.Totals.DeletedFiles = 7;
  e.run.state.NewNumberedCount = 9;
  e.run.state.SummaryTotalsLine = 9;
  e.Run();
  EXPECT_EQ(e.run.state.Totals.FailedFiles, 0);
  EXPECT_EQ(e.run.state.Totals.UnreadableDirs, 0);
  EXPECT_EQ(e.run.state.Totals.DeletedFiles, 0);
  EXPECT_EQ(e.run.state.NewNumberedCount, 0);
  EXPECT_EQ(e.run.state.SummaryTotalsLine, 0);
}

}  // namespace
}  // namespace kav
