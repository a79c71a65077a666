// The horizontal split viewer's row texts, colours and geometry.
#include <gtest/gtest.h>

#include "ui/viewers/logic/HSplitLogic.h"

namespace kav {
namespace {

TreeNode* AddRow(RunState& state, TreeNodeList& list, uint8_t kind, const std::string& text,
                 uint32_t color = ColorBlack) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  node->Text = text;
  node->Color = color;
  list.push_back(node);
  return node;
}

TEST(HSplitLogic, RowZeroIsTheTitleWithTheStampCutPerList) {
  RunState state;
  state.StartStamp = "01/05/24 13:05";
  AddRow(state, state.NewTreeLines, NodeHdr, "left title");
  AddRow(state, state.NewTreeLines, NodeFile, "x.txt");
  AddRow(state, state.OldTreeLines, NodeHdr, "right title");
  state.NewNumberedCount = 2;
  const std::string top = HSplitRowText(state, SplitSide::Left, 0);
  EXPECT_EQ(top, " Kavendrift New Directory (Inserts) Top-Split Report01/05/24 13:05");
  EXPECT_EQ(top.size(), 66u);
  // The bottom title is 55 characters: with a stamp of 14 it just fits in 69.
  EXPECT_EQ(HSplitRowText(state, SplitSide::Right, 0),
            " Kavendrift Old Directory (Deletes) Bottom-Split Report01/05/24 13:05");
  state.StartStamp = "01/05/2024 13:05:59";  // longer than a stamp can be: cut
  EXPECT_EQ(HSplitRowText(state, SplitSide::Left, 0).size(), 66u);
  EXPECT_EQ(HSplitRowText(state, SplitSide::Right, 0),
            " Kavendrift Old Directory (Deletes) Bottom-Split Report01/05/2024 13:");
  EXPECT_EQ(HSplitRowText(state, SplitSide::Left, 1), "   1  x.txt");
  EXPECT_EQ(HSplitRowText(state, SplitSide::Right, 1),
            "*** Orpheus VCL Program Error  - Invalid index\" 1\" to GetItem*** ");
  RunState empty;
  EXPECT_EQ(HSplitRowText(empty, SplitSide::Left, 0),
            "*** Orpheus VCL Program Error  - Invalid index\" 0\" to GetItem*** ");
}

TEST(HSplitLogic, TopListColoursTextRowsItsOwnWay) {
  RunState state;
  state.TreeCompareRun = true;
  struct Case {
    uint8_t kind;
    const char* text;
    uint32_t stored;
    uint32_t top;
    uint32_t bottom;
  } cases[] = {
      {NodeHdr, "Kavendrift FINAL SUMMARY", ColorBlack, ColorRed, ColorRed},
      {NodeHdr, "Old Dir = /o/", ColorBlack, ColorBlack, ColorRed},
      {NodeHdr, "New Dir = /n/", ColorBlack, ColorBlue, ColorBlack},
      {NodeHdr, "OPTIONS = Lsbs", ColorBlack, ColorBlue, ColorBlue},
      {NodeHdr, "   12 Total Files Processed.", ColorRed, ColorBlack, ColorBlack},
      {NodeDir, "sub", ColorRed, ColorRed, ColorRed},
      {NodeFile, "x.txt", ColorBlue, ColorBlue, ColorBlue},
      {NodeFiller, "   ", ColorBlue, ColorBlack, ColorBlack},
  };
  for (const Case& c : cases) {
    AddRow(state, state.NewTreeLines, c.kind, c.text, c.stored);
    AddRow(state, state.OldTreeLines, c.kind, c.text, c.stored);
  }
  for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
    SCOPED_TRACE(cases[row].text);
    EXPECT_EQ(HSplitRowColor(state, SplitSide::Left, row), cases[row].top);
    EXPECT_EQ(state.NewTreeLines[row]->Color, cases[row].top);
    EXPECT_EQ(HSplitRowColor(state, SplitSide::Right, row), cases[row].bottom);
    EXPECT_EQ(state.OldTreeLines[row]->Color, cases[row].bottom);
  }
  EXPECT_EQ(HSplitRowColor(state, SplitSide::Left, 99), ColorMaroon);
  EXPECT_EQ(HSplitRowColor(state, SplitSide::Right, 99), ColorGreen);
}

TEST(HSplitLogic, TypeSixListingColoursAsTheVerticalViewer) {
  RunState state;
  state.ListBothTreesRun = true;
  AddRow(state, state.NewTreeLines, NodeHdr, "SUMMARY - New-Dirs = 1");
  AddRow(state, state.NewTreeLines, NodeDir, "..2 base/");
  AddRow(state, state.NewTreeLines, NodeFile, "...3 /x");
  EXPECT_EQ(HSplitRowColor(state, SplitSide::Left, 0), ColorBlue);
  EXPECT_EQ(HSplitRowColor(state, SplitSide::Left, 1), ColorRed);
  EXPECT_EQ(HSplitRowColor(state, SplitSide::Left, 2), ColorBlue);
}

TEST(HSplitLogic, CaptionNamesTheHorizontalReport) {
  RunState state;
  state.StartStamp = "s";
  EXPECT_EQ(HSplitCaption(state), " Kavendrift Compare Program Horizontal Split Report - s");
}

TEST(HSplitLogic, StoredLeftEdgeAppliesOnlyBelowTheCurrentWidth) {
  RunState state;
  state.Viewers.HLeft = "700";
  state.Viewers.HTop = "30";
  state.Viewers.HHt = "abc";
  state.Viewers.HWide = "";
  state.Viewers.HSplit = "250";
  HSplitRestore plan = PlanHSplitRestore(state, 800);
  EXPECT_EQ(plan.Left, 700);
  EXPECT_EQ(plan.Top, 30);
  EXPECT_FALSE(plan.Height);  // not a number: left as it is
  EXPECT_FALSE(plan.Width);   // empty
  EXPECT_EQ(plan.SplitterTop, 250);
  EXPECT_FALSE(PlanHSplitRestore(state, 700).Left);
}

TEST(HSplitLogic, StoredGeometryKeepsFourCharacters) {
  RunState state;
  StoreHSplitGeometry(state, -120, 40, 12345, 600, 310);
  EXPECT_EQ(state.Viewers.HLeft, "-120");
  EXPECT_EQ(state.Viewers.HTop, "40");
  EXPECT_EQ(state.Viewers.HWide, "1234");
  EXPECT_EQ(state.Viewers.HHt, "600");
  EXPECT_EQ(state.Viewers.HSplit, "310");
}

}  // namespace
}  // namespace kav
