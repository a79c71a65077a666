#include "report/SideBySideReport.h"

#include <gtest/gtest.h>

#include "run/TreeEngine.h"
#include "support/ReportRows.h"
#include "support/TempTree.h"

namespace kav {
namespace {

using Texts = std::vector<std::string>;

// The trailer's summary rows of the side-by-side example, under the options "Lsbs".
Texts ExampleSummary(const std::string& verdict) {
  return {"Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT",
          "New Dir = /new/base ",
          "Old Dir = /old/base ",
          "      3 Total Files Processed.",
          "      1 New/Old (Matched Names) Files Processed.",
          "      1 New/Old (Matched Names) Files Changed.",
          "      1 New Single Files Inserted.",
          "      0 Old Single Files Deleted.",
          "      1 Sub-level Directories Processed.",
          "      0 (New/Old) Sub-level Dir had Matched Names.",
          "      1 Total Inserted/Deleted Sub-Level Dir Names.",
          "      1 New Sub-Level Dir Names Inserted.",
          "      0 Old Sub-Level Dir Names Deleted.",
          "OPTIONS = Lsbs",
          verdict};
}

const char* const Changes =
    "Kavendrift found changes in the Sub-level Directories and files checked.";
const char* const NoChanges =
    "Kavendrift found \"no\" changes in the Sub-level Directories and files checked.";

TEST(SideBySideReport, ExampleGivesRowsLegendAndSummary) {
  test::ReportRows rows;
  rows.SideBySideExample();
  RunState& state = rows.state;
  state.NewTreeNodes = state.NewTreeLines;  // what the merge leaves in the node lists
  BuildSideBySideReport(rows.ctx);

  Texts left = {"Kavendrift New Directory (Inserts) Left-Split Report  12/08/24 09:30",
                "       .1 base/  (125 - 100)",
                "* -    .. 2 /x.txt  (120 - 100)",
                "ID-    ..2 /sub  (5)",
                "I -    ... 3 /a.bin",
                "Codes : File-Codes (Blank - Equal, * - Changed, I - Inserted, D - Deleted",
                "        Dir-Codes  (Blank - Same-Sub-Name, ID- Inserted-New-Sub-Name, DD - "
                "Deleted-Old-Sub-Name)",
                "   "};
  for (const std::string& line : ExampleSummary(Changes)) left.push_back(line);
  Texts right = {"Kavendrift Old Directory (Deletes) Right-Split Report  ",
                 "       .1 base/  (100)",
                 "* -    .. 2 /x.txt",
                 "   ",
                 "   ",
                 " ",
                 " ",
                 "   "};
  right.resize(left.size(), "   ");
  EXPECT_EQ(test::ReportRows::Texts(state.NewTreeLines), left);
  EXPECT_EQ(test::ReportRows::Texts(state.OldTreeLines), right);

  EXPECT_EQ(state.NewNumberedCount, 5);
  EXPECT_EQ(state.OldNumberedCount, 5);
  EXPECT_EQ(rows.host.LastStatus(), Changes);
  EXPECT_EQ(state.Split.LeftHeader,
            "Ref#  Codes ...Lvl#  New Directory/File-Name (Accum-Dir Size/Chg-File Sizes)");
  EXPECT_EQ(state.Split.RightHeader,
            "Ref#  Codes ...Lvl#  Old Directory/File-Name (Accum-Dir Size)");
  EXPECT_TRUE(state.Split.HeadersShown);
  EXPECT_TRUE(state.Split.LegendVisible);
  EXPECT_TRUE(state.NewTreeNodes.empty());
  EXPECT_TRUE(state.OldTreeNodes.empty());
  for (std::size_t k = 5; k < state.NewTreeLines.size(); ++k) {
    EXPECT_EQ(state.NewTreeLines[k]->Kind, NodeHdr) << k;
    EXPECT_EQ(state.OldTreeLines[k]->Kind, NodeHdr) << k;
  }
}

TEST(SideBySideReport, StatusNamesTheRowHandledBeforeAndProgressRuns) {
  test::ReportRows rows;
  rows.SideBySideExample();
  BuildSideBySideReport(rows.ctx);
  const Texts& statuses = rows.host.statuses;
  ASSERT_EQ(statuses.size(), 6u);  // five rows, then the verdict
  EXPECT_EQ(statuses[0], "Processing node: ");
  EXPECT_EQ(statuses[2], "Processing node:        .1 base/  (125 - 100)");
  EXPECT_EQ(statuses[4], "Processing node: ID-    ..2 /sub  (5)");
  EXPECT_EQ(rows.host.progress, (std::vector<int>{0, 20, 40, 60, 80}));
}

TEST(SideBySideReport, OverallSummaryOnlyGivesSummaryRowsAndNoCounts) {
  test::ReportRows rows;
  RunState& state = rows.state;
  state.TreeCompareRun = true;
  state.Options.OptOvso = true;
  state.Options.OptVeqf = true;
  state.Split.HeadersShown = true;  // left over from an earlier run
  state.Split.LeftHeader = "old header";
  BuildSideBySideReport(rows.ctx);

  const Texts left = {"Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT  12/08/24 09:30",
                      "New Dir = /new/base ",
                      "Old Dir = /old/base ",
                      "      0 Total Files Processed.",
                      "      0 New/Old (Matched Names) Files Processed.",
                      "      0 New/Old (Matched Names) Files Changed.",
                      "      0 New Single Files Inserted.",
                      "      0 Old Single Files Deleted.",
                      "      0 Sub-level Directories Processed.",
                      "      0 (New/Old) Sub-level Dir had Matched Names.",
                      "      0 Total Inserted/Deleted Sub-Level Dir Names.",
                      "      0 New Sub-Level Dir Names Inserted.",
                      "      0 Old Sub-Level Dir Names Deleted.",
                      "OPTIONS = Veqf Ovso Lsbs",
                      NoChanges};
  EXPECT_EQ(test::ReportRows::Texts(state.NewTreeLines), left);
  EXPECT_EQ(test::ReportRows::Texts(state.OldTreeLines), Texts(left.size(), "   "));
  EXPECT_EQ(state.NewNumberedCount, 0);
  EXPECT_EQ(state.OldNumberedCount, 0);
  EXPECT_FALSE(state.Split.HeadersShown);
  EXPECT_EQ(state.Split.LeftHeader, "");
  EXPECT_EQ(rows.host.LastStatus(), NoChanges);
}

TEST(SideBySideReport, OptionsTextFollowsTheFlagsAndEndsWithLsbs) {
  struct Case {
    bool veqf, lchv, lmcf, gmsg;
    const char* line;
  };
  const Case cases[] = {
      {false, false, false, false, "OPTIONS = Lsbs"},
      {true, true, false, true, "OPTIONS = Veqf Lchv Gmsg Lsbs"},
      {false, false, true, false, "OPTIONS = Lmcf Lsbs"},
  };
  for (const Case& c : cases) {
    test::ReportRows rows;
    rows.state.Options.OptVeqf = c.veqf;
    rows.state.Options.OptLchv = c.lchv;
    rows.state.Options.OptLmcf = c.lmcf;
    rows.state.Options.OptGmsg = c.gmsg;
    BuildSideBySideReport(rows.ctx);
    const TreeNodeList& lines = rows.state.NewTreeLines;
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2]->Text, c.line);
  }
}

TEST(SideBySideReport, RelativeNamesUnderLchv) {
  test::ReportRows rows;
  RunState& state = rows.state;
  state.Options.OptLchv = true;
  rows.Add(state.NewTreeLines, NodeDir, "/new/base/", "   ", 9, ColorRed);
  rows.Add(state.OldTreeLines, NodeDir, "/old/base/", "   ", 9, ColorRed);
  rows.Add(state.NewTreeLines, NodeDir, "/new/base/sub/deeper", "ID-", 9, ColorRed);
  rows.Filler(state.OldTreeLines);
  rows.Add(state.NewTreeLines, NodeFile, "/new/base/sub/deeper/f.txt", "I -", 9, ColorGreen);
  rows.Filler(state.OldTreeLines);
  state.Totals.InsertedDirs = 1;
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(state.NewTreeLines[0]->Text, "       .1 /  (9 - 9)");
  EXPECT_EQ(state.OldTreeLines[0]->Text, "       .1 /  (9)");
  EXPECT_EQ(state.NewTreeLines[1]->Text, "ID-    ...3 /sub/deeper  (9)");
  EXPECT_EQ(state.NewTreeLines[2]->Text, "I -    .... 4 /sub/deeper/f.txt");
  EXPECT_EQ(state.NewTreeLines.back()->Text, Changes);
}

TEST(SideBySideReport, NothingChangedGivesTheNoVariant) {
  test::ReportRows rows;
  RunState& state = rows.state;
  rows.Add(state.NewTreeLines, NodeDir, "/new/base/", "   ", 4, ColorRed);
  rows.Add(state.OldTreeLines, NodeDir, "/old/base/", "   ", 4, ColorRed);
  rows.Add(state.NewTreeLines, NodeFile, "/new/base/same.txt", "   ", 4);
  rows.Add(state.OldTreeLines, NodeFile, "/old/base/same.txt", "   ", 4);
  state.Totals.EqualFiles = 1;
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(state.NewTreeLines[1]->Text, "       .. 2 /same.txt");
  EXPECT_EQ(state.NewTreeLines.back()->Text, NoChanges);
  EXPECT_EQ(rows.host.LastStatus(), NoChanges);
  EXPECT_FALSE(state.Split.LegendVisible);  // not a type 2 run
}

TEST(SideBySideReport, DepthsBeyondFortySixLevelsPrintFortySixDots) {
  test::ReportRows rows;
  RunState& state = rows.state;
  std::string path = "/new/base";
  for (int k = 0; k < 49; ++k) path += "/d";
  path += "/f.txt";  // 52 separators before the last character: level 51
  rows.Add(state.NewTreeLines, NodeFile, path, "I -", 1, ColorGreen);
  rows.Filler(state.OldTreeLines);
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(state.NewTreeLines[0]->Text, "I -    " + std::string(46, '.') + " 51 /f.txt");
}

TEST(SideBySideReport, FilesOfTwoGigabytesOrMorePrintErrAndZero) {
  test::ReportRows rows;
  RunState& state = rows.state;
  const int64_t threeGb = int64_t{3} << 30;
  TreeNode* big = rows.Add(state.NewTreeLines, NodeFile, "/new/base/big.iso", "I -", threeGb);
  rows.Filler(state.OldTreeLines);
  TreeNode* changed = rows.Add(state.NewTreeLines, NodeFile, "/new/base/c.iso", "* -", threeGb);
  rows.Add(state.OldTreeLines, NodeFile, "/old/base/c.iso", "* -", 2147483648);
  rows.Add(state.NewTreeLines, NodeFile, "/new/base/d.iso", "* -", 2147483647);
  rows.Add(state.OldTreeLines, NodeFile, "/old/base/d.iso", "* -", threeGb);
  rows.Add(state.NewTreeLines, NodeDir, "/new/base/sub", "   ", threeGb);
  rows.Add(state.OldTreeLines, NodeDir, "/old/base/sub", "   ", 1);
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(big->Text, "Err    .. 2 /big.iso");
  EXPECT_EQ(changed->Text, "Err    .. 2 /c.iso  (0 - 0)");
  EXPECT_EQ(state.NewTreeLines[2]->Text, "* -    .. 2 /d.iso  (2,147,483,647 - 0)");
  EXPECT_EQ(state.OldTreeLines[1]->Text, "* -    .. 2 /c.iso");
  // A directory total is a sum, printed whole however large.
  EXPECT_EQ(state.NewTreeLines[3]->Text, "       ..2 /sub  (3,221,225,472 - 1)");
  // The records keep their code, colour and size: a rebuild prints the same.
  EXPECT_EQ(big->ChangeCode, "I -");
  EXPECT_EQ(big->Size, threeGb);
}

TEST(SideBySideReport, HaltSkipsRowsAndTrailerButEmptiesTheNodeLists) {
  test::ReportRows rows;
  rows.SideBySideExample();
  RunState& state = rows.state;
  state.NewTreeNodes = state.NewTreeLines;
  state.OldTreeNodes = state.OldTreeLines;
  int pumps = 0;
  rows.host.onPendingEvents = [&] {
    if (++pumps == 3) state.HaltRequested = true;  // while row 2 is handled
  };
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(state.NewTreeLines.size(), 5u);  // no trailer
  EXPECT_EQ(state.NewTreeLines[1]->Text, "       .1 base/  (125 - 100)");
  EXPECT_EQ(state.NewTreeLines[2]->Text, "* -    .. 2 /x.txt  (120 - 100)");
  EXPECT_EQ(state.NewTreeLines[3]->Text, "/new/base/sub");  // not reached: keeps its name
  EXPECT_EQ(state.NewNumberedCount, 0);
  EXPECT_TRUE(state.NewTreeNodes.empty());
  EXPECT_TRUE(state.OldTreeNodes.empty());
}

TEST(SideBySideReport, ControlCharactersInNamesCannotBreakARow) {
  test::ReportRows rows;
  RunState& state = rows.state;
  rows.Add(state.NewTreeLines, NodeFile, "/new/base/two\nlines\t.txt", "I -", 1);
  rows.Filler(state.OldTreeLines);
  BuildSideBySideReport(rows.ctx);
  EXPECT_EQ(state.NewTreeLines[0]->Text, "I -    .. 2 /two?lines?.txt");
}

TEST(SideBySideReport, LongRowsAreCutTo249Characters) {
  test::ReportRows rows;
  RunState& state = rows.state;
  rows.Add(state.NewTreeLines, NodeFile, "/new/base/" + std::string(300, 'n'), "I -", 1);
  rows.Filler(state.OldTreeLines);
  BuildSideBySideReport(rows.ctx);
  const std::string& text = state.NewTreeLines[0]->Text;
  EXPECT_EQ(text.size(), 249u);
  EXPECT_EQ(text.substr(0, 13), "I -    .. 2 /");
}

TEST(SideBySideReport, ExampleTreesOnDiskThroughTheEngine) {
  test::TempTree tree;
  tree.SizedFile("new/base/x.txt", 120);
  tree.SizedFile("new/base/sub/a.bin", 5);
  tree.SizedFile("old/base/x.txt", 100);
  test::ReportRows rows;
  RunState& state = rows.state;
  state.NewDirName = tree.Path("new/base") + "/";
  state.OldDirName = tree.Path("old/base") + "/";
  state.TreeCompareRun = true;
  state.Options.OptLsbs = true;
  RunTreeEngine(rows.ctx);

  const Texts left = test::ReportRows::Texts(state.NewTreeLines);
  const Texts right = test::ReportRows::Texts(state.OldTreeLines);
  ASSERT_EQ(left.size(), 23u);
  ASSERT_EQ(right.size(), 23u);
  EXPECT_EQ(Texts(left.begin() + 1, left.begin() + 5),
            (Texts{"       .1 base/  (125 - 100)", "* -    .. 2 /x.txt  (120 - 100)",
                   "ID-    ..2 /sub  (5)", "I -    ... 3 /a.bin"}));
  EXPECT_EQ(Texts(right.begin() + 1, right.begin() + 5),
            (Texts{"       .1 base/  (100)", "* -    .. 2 /x.txt", "   ", "   "}));
  const Texts summary = ExampleSummary(Changes);
  EXPECT_EQ(Texts(left.begin() + 8, left.end()), summary);
  EXPECT_EQ(state.NewNumberedCount, 5);
  EXPECT_EQ(rows.host.viewersOpened, std::vector<Viewer>{Viewer::VSplit});
}

}  // namespace
}  // namespace kav
