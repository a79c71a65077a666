#include "report/SingleListRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kav {
namespace {

RunState SummaryState() {
  RunState state;
  state.ReportLines = {
      "New Dir = /n/ ",
      "Old Dir = /o/ ",
      "Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS SECTION",
      " ",
      "Ref# Code New-Fi-Name                New-Size Old-Size ",
      "I -  a.txt                             3 ",
      "D -  b.txt                                       3 ",
      "     c.txt                             3        3 ",
      "*    d.txt                             3        4 ",
      "Err  e.txt                             0        0 ",
      " ",
      "OPTIONS = None",
      "INFORM01: The processed files have differences            .",
  };
  state.SummaryTopLine = 4;
  state.SummaryTotalsLine = 10;
  return state;
}

TEST(SingleRowText, NumbersOnlyTheRowsBetweenHeaderAndTotals) {
  const RunState state = SummaryState();
  const std::vector<std::string> expected = {
      " New Dir = /n/ ",
      " Old Dir = /o/ ",
      " Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS SECTION",
      "  ",
      " Ref# Code New-Fi-Name                New-Size Old-Size ",
      "   1  I -  a.txt                             3 ",
      "   2  D -  b.txt                                       3 ",
      "   3       c.txt                             3        3 ",
      "   4  *    d.txt                             3        4 ",
      "   5  Err  e.txt                             0        0 ",
      "  ",
      " OPTIONS = None",
      " INFORM01: The processed files have differences            .",
  };
  for (int row = 0; row < static_cast<int>(expected.size()); ++row) {
    EXPECT_EQ(SingleRowText(state, row), expected[row]) << "row " << row;
  }
}

TEST(SingleRowText, IndexOutsideTheStoreGivesTheErrorRow) {
  const RunState state = SummaryState();
  EXPECT_EQ(SingleRowText(state, 13),
            "*** Orpheus VCL Program Error  - Invalid index\" 13\" to GetItem*** ");
  EXPECT_EQ(SingleRowText(state, -1),
            "*** Orpheus VCL Program Error  - Invalid index\" -1\" to GetItem*** ");
  EXPECT_EQ(SingleRowText(RunState{}, 0),
            "*** Orpheus VCL Program Error  - Invalid index\" 0\" to GetItem*** ");
}

TEST(SingleRowText, AdjacentBoundsNumberNothing) {
  RunState state = SummaryState();
  state.SummaryTopLine = 4;
  state.SummaryTotalsLine = 5;
  for (int row = 0; row < static_cast<int>(state.ReportLines.size()); ++row) {
    EXPECT_EQ(SingleRowText(state, row), " " + state.ReportLines[row]) << "row " << row;
  }
}

TEST(SingleRowColor, SummaryRowsFollowTheirLeadingCharacters) {
  RunState state = SummaryState();
  const std::vector<uint32_t> expected = {
      ColorBlue,  ColorRed, ColorBlue,  ColorBlack, ColorBlack, ColorGreen, ColorBlue,
      ColorBlack, ColorRed, ColorBlack, ColorBlack, ColorBlue,  ColorBlack,
  };
  for (int row = 0; row < static_cast<int>(expected.size()); ++row) {
    EXPECT_EQ(SingleRowColor(state, row), expected[row]) << "row " << row;
  }
  EXPECT_EQ(SingleRowColor(state, 13), ColorGreen);
  EXPECT_EQ(SingleRowColor(state, -3), ColorGreen);
}

TEST(SingleRowColor, ShortAndSingleCharacterLines) {
  RunState state;
  state.ReportLines = {"*", "New Dir", "I -", "Kavendri", "OPTIONS =x", ""};
  EXPECT_EQ(SingleRowColor(state, 0), ColorRed);
  EXPECT_EQ(SingleRowColor(state, 1), ColorBlack);
  EXPECT_EQ(SingleRowColor(state, 2), ColorBlack);  // needs all four characters "I - "
  EXPECT_EQ(SingleRowColor(state, 3), ColorBlack);
  EXPECT_EQ(SingleRowColor(state, 4), ColorBlue);
  EXPECT_EQ(SingleRowColor(state, 5), ColorBlack);
}

// A type 5 state whose rows are described by hand-made records.
struct TreeRow {
  uint8_t Kind;
  int32_t Parent;
  std::string Line;
};

RunState TreeState(const std::vector<TreeRow>& rows, bool ldeo) {
  RunState state;
  state.ListNewTreeRun = true;
  state.Options.OptLdeo = ldeo;
  for (const TreeRow& row : rows) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = row.Kind;
    node->ParentIndex = row.Parent;
    node->Color = ColorBlack;
    state.NewTreeLines.push_back(node);
    state.ReportLines.push_back(row.Line);
  }
  return state;
}

const std::vector<TreeRow> kTreeRows = {
    {NodeDir, -1, "/n/"},
    {NodeFile, 0, "   a.txt"},
    {NodeDir, 0, "   sub1"},
    {NodeDir, 0, "   sub2"},
    {NodeDir, 3, "      deep"},
    {NodeDir, 3, "      deeper"},
    {NodeDir, 0, "   sub3"},
    {NodeHdr, -1, "Kavendrift LIST"},
    {NodeHdr, -1, "OPTIONS = Ldeo"},
    {NodeHdr, -1, "* not a change in a tree run"},
};

TEST(SingleRowColor, TreeRunWithLdeoAlternatesDirectoriesByParent) {
  RunState state = TreeState(kTreeRows, true);
  // Row 2 shares its parent with the file above it and takes its blue; row 3 follows suit.
  // Row 4 changes parent after a blue row: red, and row 5 keeps it. Row 6 changes back: blue.
  const std::vector<uint32_t> expected = {ColorRed, ColorBlue, ColorBlue, ColorBlue, ColorRed,
                                          ColorRed, ColorBlue, ColorBlue, ColorBlue, ColorBlue};
  for (int row = 0; row < static_cast<int>(expected.size()); ++row) {
    EXPECT_EQ(SingleRowColor(state, row), expected[row]) << "row " << row;
    EXPECT_EQ(state.NewTreeLines[row]->Color, expected[row]) << "written back, row " << row;
  }
}

TEST(SingleRowColor, TreeRunWithoutLdeoPaintsDirectoriesRedAndTheRestBlue) {
  RunState state = TreeState(kTreeRows, false);
  for (int row = 0; row < static_cast<int>(kTreeRows.size()); ++row) {
    const uint32_t expected = kTreeRows[row].Kind == NodeDir ? ColorRed : ColorBlue;
    EXPECT_EQ(SingleRowColor(state, row), expected) << "row " << row;
    EXPECT_EQ(state.NewTreeLines[row]->Color, expected) << "row " << row;
  }
}

TEST(SingleRowColor, TreeRunRowWithoutRecordIsBlueAndHarmless) {
  RunState state = TreeState({{NodeDir, -1, "/n/"}}, true);
  state.ReportLines.push_back("extra line");
  EXPECT_EQ(SingleRowColor(state, 1), ColorBlue);
  EXPECT_EQ(SingleRowColor(state, 0), ColorRed);
}

}  // namespace
}  // namespace kav
