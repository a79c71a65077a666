#include "report/SplitRows.h"

#include <gtest/gtest.h>

#include "report/SideBySideReport.h"
#include "support/ReportRows.h"

namespace kav {
namespace {

std::string ErrorRow(int row) {
  return "*** Orpheus VCL Program Error  - Invalid index\" " + std::to_string(row) +
         "\" to GetItem*** ";
}

struct Example : test::ReportRows {
  Example() {
    SideBySideExample();
    BuildSideBySideReport(ctx);
  }
};

TEST(SplitRowText, NumbersRowsOneToNumberedCountLessOne) {
  Example rows;
  const RunState& state = rows.state;
  const int leftCount = static_cast<int>(state.NewTreeLines.size());
  struct Case {
    SplitSide side;
    int row;
    std::string text;
  };
  const Case cases[] = {
      {SplitSide::Left, 0, " Kavendrift New Directory (Inserts) Left-Split Report  12/08/24 09:30"},
      {SplitSide::Left, 1, "   1         .1 base/  (125 - 100)"},
      {SplitSide::Left, 4, "   4  I -    ... 3 /a.bin"},
      {SplitSide::Left, 5,
       " Codes : File-Codes (Blank - Equal, * - Changed, I - Inserted, D - Deleted"},
      {SplitSide::Right, 0, " Kavendrift Old Directory (Deletes) Right-Split Report  "},
      {SplitSide::Right, 2, "   2  * -    .. 2 /x.txt"},
      {SplitSide::Right, 3, "   3     "},
      {SplitSide::Right, 5, "  "},
      {SplitSide::Left, -1, ErrorRow(-1)},
      {SplitSide::Right, leftCount, ErrorRow(leftCount)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitRowText(state, c.side, c.row), c.text) << c.row;
  }
}

TEST(SplitRowText, EachSideUsesItsOwnNumberedCount) {
  test::ReportRows rows;
  for (int k = 0; k < 4; ++k) {
    rows.Header(rows.state.NewTreeLines, "n" + std::to_string(k));
    rows.Header(rows.state.OldTreeLines, "o" + std::to_string(k));
  }
  rows.state.NewNumberedCount = 3;
  rows.state.OldNumberedCount = 2;
  EXPECT_EQ(SplitRowText(rows.state, SplitSide::Left, 2), "   2  n2");
  EXPECT_EQ(SplitRowText(rows.state, SplitSide::Left, 3), " n3");
  EXPECT_EQ(SplitRowText(rows.state, SplitSide::Right, 1), "   1  o1");
  EXPECT_EQ(SplitRowText(rows.state, SplitSide::Right, 2), " o2");
}

TEST(SplitRowColor, TreeCompareRowsKeepTheirColourAndTextRowsFollowTheirPrefix) {
  Example rows;
  RunState& state = rows.state;
  const int n = static_cast<int>(state.NewTreeLines.size());
  struct Case {
    SplitSide side;
    int row;
    uint32_t color;
  };
  const Case cases[] = {
      {SplitSide::Left, 0, ColorRed},       // "Kavendri..." title
      {SplitSide::Left, 1, ColorRed},       // directory: the builder's colour
      {SplitSide::Left, 2, ColorBlue},      // changed file
      {SplitSide::Left, 4, ColorGreen},     // inserted file
      {SplitSide::Left, 5, ColorBlack},     // legend
      {SplitSide::Left, 8, ColorRed},       // "Kavendrift FINAL SUMMARY..."
      {SplitSide::Left, 9, ColorBlue},      // "New Dir = "
      {SplitSide::Left, 10, ColorRed},      // "Old Dir = "
      {SplitSide::Left, 11, ColorBlack},    // a total
      {SplitSide::Left, n - 2, ColorBlue},  // "OPTIONS = "
      {SplitSide::Left, n - 1, ColorRed},   // the verdict
      {SplitSide::Left, n, ColorMaroon},    // outside
      {SplitSide::Left, -1, ColorMaroon},    {SplitSide::Right, 0, ColorRed},
      {SplitSide::Right, 2, ColorBlue},      {SplitSide::Right, 3, ColorBlack},  // filler
      {SplitSide::Right, n - 1, ColorBlack}, {SplitSide::Right, n, ColorGreen},  // outside
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitRowColor(state, c.side, c.row), c.color)
        << (c.side == SplitSide::Left ? "left " : "right ") << c.row;
  }
  EXPECT_EQ(state.NewTreeLines[0]->Color, ColorRed);  // written back
  EXPECT_EQ(state.NewTreeLines[9]->Color, ColorBlue);
}

TEST(SplitRowColor, NewDirLineIsBlueOnTheLeftOnlyAndFillersTurnBlack) {
  test::ReportRows rows;
  RunState& state = rows.state;
  rows.Header(state.NewTreeLines, "New Dir = /a ");
  rows.Header(state.OldTreeLines, "New Dir = /a ");
  rows.Filler(state.OldTreeLines)->Color = ColorRed;
  EXPECT_EQ(SplitRowColor(state, SplitSide::Left, 0), ColorBlue);
  EXPECT_EQ(SplitRowColor(state, SplitSide::Right, 0), ColorBlack);
  EXPECT_EQ(SplitRowColor(state, SplitSide::Right, 1), ColorBlack);
  EXPECT_EQ(state.OldTreeLines[1]->Color, ColorBlack);
}

// A type 6 listing: summary row, root, a, a/x, b, c (directories only, as under Ldeo).
void TreeListing(test::ReportRows& rows) {
  TreeNodeList& lines = rows.state.NewTreeLines;
  rows.Header(lines, "SUMMARY - New-Dirs = 5 New-Files = 0 OPTIONS = Ldeo");
  const int32_t parents[] = {-1, 0, 1, 0, 0};
  for (int32_t parent : parents) rows.Add(lines, NodeDir, "/d", "", 0)->ParentIndex = parent;
  rows.state.ListBothTreesRun = true;
}

std::vector<uint32_t> Colors(const TreeNodeList& list) {
  std::vector<uint32_t> colors;
  for (const TreeNode* node : list) colors.push_back(node->Color);
  return colors;
}

TEST(SplitRowColor, TreeListingAlternatesDirectoriesByParentUnderLdeo) {
  test::ReportRows rows;
  TreeListing(rows);
  rows.state.Options.OptLdeo = true;
  ColorAllSplitRows(rows.state);
  const std::vector<uint32_t> expected = {ColorBlue, ColorBlue, ColorRed,
                                          ColorBlue, ColorRed,  ColorRed};
  EXPECT_EQ(Colors(rows.state.NewTreeLines), expected);
  // Painting from the bottom up afterwards changes nothing.
  for (int row = 5; row >= 0; --row) SplitRowColor(rows.state, SplitSide::Left, row);
  EXPECT_EQ(Colors(rows.state.NewTreeLines), expected);
}

TEST(SplitRowColor, TreeListingWithoutLdeoShowsDirectoriesRedAndTheRestBlue) {
  test::ReportRows rows;
  TreeListing(rows);
  rows.Add(rows.state.NewTreeLines, NodeFile, "/d/f", "", 0);
  ColorAllSplitRows(rows.state);
  const std::vector<uint32_t> expected = {ColorBlue, ColorRed, ColorRed, ColorRed,
                                          ColorRed,  ColorRed, ColorBlue};
  EXPECT_EQ(Colors(rows.state.NewTreeLines), expected);
}

TEST(LongestSplitRow, MeasuresNumberedRowsOfBothSides) {
  Example rows;
  EXPECT_EQ(LongestSplitRow(rows.state),
            static_cast<int32_t>(std::string("   2  * -    .. 2 /x.txt  (120 - 100)").size()));

  test::ReportRows wide;
  wide.Header(wide.state.NewTreeLines, "title");
  wide.Header(wide.state.OldTreeLines, "title");
  wide.Header(wide.state.NewTreeLines, "short");
  wide.Header(wide.state.OldTreeLines, "\xC3\xA9t\xC3\xA9 \xC3\xA0 la plage");  // 14 letters
  wide.Header(wide.state.NewTreeLines, std::string(200, 's'));  // the summary: not measured
  wide.state.NewNumberedCount = 2;
  wide.state.OldNumberedCount = 2;
  EXPECT_EQ(LongestSplitRow(wide.state), 6 + 14);
  wide.state.NewNumberedCount = 0;
  EXPECT_EQ(LongestSplitRow(wide.state), 0);
}

}  // namespace
}  // namespace kav
