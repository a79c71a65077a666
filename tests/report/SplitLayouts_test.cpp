#include "report/SplitLayouts.h"

#include <gtest/gtest.h>

#include "report/SideBySideReport.h"
#include "report/SplitRows.h"
#include "support/ReportRows.h"
#include "text/CharacterCut.h"

namespace kav {
namespace {

using Lines = std::vector<std::string>;

struct Example : test::ReportRows {
  explicit Example(bool summaryOnly = false) {
    if (summaryOnly) {
      state.Options.OptOvso = true;
      state.TreeCompareRun = true;
    } else {
      SideBySideExample();
    }
    BuildSideBySideReport(ctx);
  }
};

// The displayed rows of one side from `from` to the end of the list.
Lines ShownRows(const RunState& state, SplitSide side, int from, int to) {
  Lines rows;
  for (int row = from; row < to; ++row) rows.push_back(SplitRowText(state, side, row));
  return rows;
}

std::string Padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

TEST(SideBySideFileLines, SideWidth40GivesLinesOf131Columns) {
  Example rows;
  const RunState& state = rows.state;
  const Lines lines = SideBySideFileLines(state, 40, "");
  const int leftCount = static_cast<int>(state.NewTreeLines.size());
  ASSERT_EQ(lines.size(), 6u + static_cast<std::size_t>(leftCount - 1));
  EXPECT_EQ(lines[0], " ");
  EXPECT_EQ(lines[1], "Kavendrift \"Insert/Delete\" Side-By-Side Report - 12/08/24 09:30");
  EXPECT_EQ(lines[2], " ");
  EXPECT_EQ(lines[3], "NewFile = /new/base");
  EXPECT_EQ(lines[4], "OldFile = /old/base");
  EXPECT_EQ(lines[5], state.Split.LeftHeader);
  EXPECT_EQ(lines[6], Padded(Padded("   1         .1 base/  (125 - 100)", 41) +
                                 "   1         .1 base/  (100)",
                             131));
  EXPECT_EQ(lines[7],
            Padded(Padded("   2  * -    .. 2 /x.txt  (120 - 100)", 41) + "   2  * -    .. 2 /x.txt",
                   131));
  EXPECT_EQ(lines[8], Padded(Padded("   3  ID-    ..2 /sub  (5)", 41) + "   3     ", 131));
  // The summary rows follow alone, on lines of the same width.
  const Lines summary = ShownRows(state, SplitSide::Left, 5, leftCount);
  for (std::size_t k = 0; k < summary.size(); ++k) {
    EXPECT_EQ(lines[10 + k], Padded(summary[k], 131)) << k;
  }
}

TEST(SideBySideFileLines, LineWidthIsTwiceTheSideWidthPlusTwoWhenWider) {
  Example rows;
  struct Case {
    int side;
    std::size_t width;
  };
  for (const Case c : {Case{40, 131}, Case{64, 131}, Case{65, 132}, Case{70, 142}}) {
    const Lines lines = SideBySideFileLines(rows.state, c.side, "");
    for (std::size_t k = 6; k < lines.size(); ++k) {
      ASSERT_EQ(lines[k].size(), c.width) << "side " << c.side << " line " << k;
    }
    // The right row begins at column side + 2.
    EXPECT_EQ(lines[7].substr(static_cast<std::size_t>(c.side) + 1, 24),
              "   2  * -    .. 2 /x.txt");
  }
}

TEST(SideBySideFileLines, NarrowSidesCutBothRowsAndTheTitleLeadsWhenGiven) {
  Example rows;
  const Lines lines = SideBySideFileLines(rows.state, 10, "Quarterly check");
  EXPECT_EQ(lines[0], "Quarterly check");
  EXPECT_EQ(lines[7], Padded(std::string("   2  * - ") + " " + "   2  * - ", 131));
}

TEST(SideBySideFileLines, ColumnsCountCharactersNotBytes) {
  test::ReportRows rows;
  RunState& state = rows.state;
  rows.Header(state.NewTreeLines, "t");
  rows.Header(state.OldTreeLines, "t");
  rows.Header(state.NewTreeLines, "\xC3\xA9t\xC3\xA9");  // "été"
  rows.Header(state.OldTreeLines, "r\nx");
  state.NewNumberedCount = state.OldNumberedCount = 2;
  const Lines lines = SideBySideFileLines(state, 8, "");
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(CharacterCount(lines[6]), 131u);
  EXPECT_EQ(lines[6],
            Padded(std::string("   1  \xC3\xA9t") + "    1  r?", 132));  // one letter of two bytes
}

TEST(StackedFileLines, NewRowsThenOldRowsThenSummary) {
  Example rows;
  const RunState& state = rows.state;
  const int leftCount = static_cast<int>(state.NewTreeLines.size());
  Lines expected = {" ", "Kavendrift Double-Stacked Compare Report", " ",
                    "Section 1 --  Kavendrift New Directory (Inserts) Left-Split Report  "
                    "12/08/24 09:30",
                    state.Split.LeftHeader};
  for (const std::string& row : ShownRows(state, SplitSide::Left, 1, 5)) expected.push_back(row);
  expected.push_back(" ");
  expected.push_back("Section 2 --  Kavendrift Old Directory (Deletes) Right-Split Report  ");
  expected.push_back(state.Split.RightHeader);
  for (const std::string& row : ShownRows(state, SplitSide::Right, 1, 5)) expected.push_back(row);
  for (const std::string& row : ShownRows(state, SplitSide::Left, 5, leftCount)) {
    expected.push_back(row);
  }
  EXPECT_EQ(StackedFileLines(state, ""), expected);
  EXPECT_EQ(expected[6], "   2  * -    .. 2 /x.txt  (120 - 100)");
  EXPECT_EQ(expected[13], "   2  * -    .. 2 /x.txt");
  EXPECT_EQ(StackedFileLines(state, "Mine")[0], "Mine");
}

TEST(StackedFileLines, SummaryOnlyReportIsTitleBlankAndSummary) {
  Example rows(true);
  const RunState& state = rows.state;
  Lines expected = {"Kavendrift Double-Stacked Compare Report", " "};
  for (const TreeNode* node : state.NewTreeLines) expected.push_back(" " + node->Text);
  EXPECT_EQ(StackedFileLines(state, "ignored"), expected);
  EXPECT_EQ(expected[2],
            " Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT  12/08/24 09:30");
  EXPECT_EQ(expected.size(), 17u);
}

TEST(TreeListFileLines, BothListsWithSectionsAndHeaders) {
  test::ReportRows rows;
  RunState& state = rows.state;
  state.ListBothTreesRun = true;
  state.Split.LeftHeader = " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)";
  state.Split.RightHeader = " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)";
  rows.Header(state.NewTreeLines, "SUMMARY - New-Dirs = 1 New-Files = 1 OPTIONS = None");
  rows.Header(state.NewTreeLines, "..2 base/ (7)  (Files = 1)");
  rows.Header(state.NewTreeLines, "...3 /tab\there.txt (7)");
  rows.Header(state.OldTreeLines, "SUMMARY - Old-Dirs = 1 Old-Files = 0 OPTIONS = None");
  rows.Header(state.OldTreeLines, "..2 base/ (0)  (Files = 0)");
  state.NewNumberedCount = 3;
  state.OldNumberedCount = 2;
  const Lines expected = {"Kavendrift Double Tree List Program Report - 12/08/24 09:30",
                          " ",
                          " Section 1 -- NewFile = /new/base",
                          " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)",
                          " SUMMARY - New-Dirs = 1 New-Files = 1 OPTIONS = None",
                          "   1  ..2 base/ (7)  (Files = 1)",
                          "   2  ...3 /tab?here.txt (7)",
                          " ",
                          " Section 2 -- OldFile = /old/base",
                          " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)",
                          " SUMMARY - Old-Dirs = 1 Old-Files = 0 OPTIONS = None",
                          "   1  ..2 base/ (0)  (Files = 0)"};
  EXPECT_EQ(TreeListFileLines(state), expected);
}

}  // namespace
}  // namespace kav
