// The vertical split viewer's decisions: scrolling together, To Top / To Btm, Find and the
// remembered geometry.
#include <gtest/gtest.h>

#include "ui/viewers/logic/SplitViewerLogic.h"

namespace kav {
namespace {

TreeNode* AddRow(RunState& state, TreeNodeList& list, uint8_t kind, const std::string& text) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  node->Text = text;
  list.push_back(node);
  return node;
}

// An aligned side-by-side report: title row, three numbered rows, two summary rows.
void FillAligned(RunState& state) {
  AddRow(state, state.NewTreeLines, NodeHdr, "Kavendrift New Directory (Inserts) Left-Split");
  AddRow(state, state.OldTreeLines, NodeHdr, "Kavendrift Old Directory (Deletes) Right-Split");
  AddRow(state, state.NewTreeLines, NodeDir, "       .1 base/  (125 - 100)");
  AddRow(state, state.OldTreeLines, NodeDir, "       .1 base/  (100)");
  AddRow(state, state.NewTreeLines, NodeFile, "* -    .. 2 /X.txt  (120 - 100)");
  AddRow(state, state.OldTreeLines, NodeFile, "* -    .. 2 /x.txt");
  AddRow(state, state.NewTreeLines, NodeDir, "ID-    ..2 /Sub  (5)");
  AddRow(state, state.OldTreeLines, NodeFiller, "   ");
  state.NewNumberedCount = 4;
  state.OldNumberedCount = 4;
  AddRow(state, state.NewTreeLines, NodeHdr,
         "Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT");
  AddRow(state, state.OldTreeLines, NodeHdr, "   ");
  AddRow(state, state.NewTreeLines, NodeHdr, "OPTIONS = Lsbs");
  AddRow(state, state.OldTreeLines, NodeHdr, "   ");
}

TEST(SplitViewerLogic, CaptionNamesTheSideBySideReportAndTheStartStamp) {
  RunState state;
  state.StartStamp = "01/05/24 13:05";
  EXPECT_EQ(SplitViewerCaption(state),
            " Kavendrift Compare Program Side-By-Side Report - 01/05/24 13:05");
}

TEST(SplitViewerLogic, OnlyAnAlignedReportScrollsAsOne) {
  RunState state;
  state.TreeCompareRun = true;
  EXPECT_TRUE(SplitListsScrollTogether(state));
  state.TreeCompareRun = false;
  state.ListBothTreesRun = true;
  EXPECT_FALSE(SplitListsScrollTogether(state));
}

TEST(SplitViewerLogic, ToTopNeedsARowOnBothSidesAndToBottomMoreThanTwo) {
  struct Case {
    int left, right;
    bool top, bottom;
  } cases[] = {{0, 0, false, false}, {1, 0, false, false}, {1, 1, true, false},
               {3, 2, true, false},  {3, 3, true, true},   {10, 4, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.left << "/" << c.right);
    auto top = SplitTopRows(c.left, c.right);
    ASSERT_EQ(top.has_value(), c.top);
    if (top) {
      EXPECT_EQ(std::make_pair(top->Left, top->Right), std::make_pair(0, 0));
    }
    auto bottom = SplitBottomRows(c.left, c.right);
    ASSERT_EQ(bottom.has_value(), c.bottom);
    if (bottom) {
      EXPECT_EQ(std::make_pair(bottom->Left, bottom->Right),
                std::make_pair(c.left - 1, c.right - 1));
    }
  }
}

TEST(SplitViewerLogic, FindPatternLosesSurroundingBlanksAndCase) {
  EXPECT_EQ(SplitFindPattern("  X.TXT  "), "x.txt");
  EXPECT_EQ(SplitFindPattern(" a b "), "a b");
  EXPECT_EQ(SplitFindPattern("   "), "");
  EXPECT_EQ(SplitFindPattern(std::string(200, 'Q')), std::string(128, 'q'));
}

TEST(SplitViewerLogic, FindTestsBothSidesOfARowAndSelectsThatRow) {
  RunState state;
  FillAligned(state);
  // "Right-Split" stands only in the right list's row 0; from no selection down it is missed,
  // as the search starts below the selected row.
  EXPECT_FALSE(FindSplitRow(state, "right-split", 0, true).Found);
  // Upper-case text on the left found with lower-case, blanks around the find text dropped.
  FindOutcome found = FindSplitRow(state, "  x.TXT ", 0, true);
  EXPECT_TRUE(found.Found);
  EXPECT_EQ(found.Selected, 2);
  // A text only on the right ("(100)" ends the right root row) selects that row number.
  found = FindSplitRow(state, "base/  (100)", 0, true);
  EXPECT_TRUE(found.Found);
  EXPECT_EQ(found.Selected, 1);
  // The displayed number prefix is searched too.
  found = FindSplitRow(state, "   3  id-", 0, true);
  EXPECT_TRUE(found.Found);
  EXPECT_EQ(found.Selected, 3);
}

TEST(SplitViewerLogic, FindRunsUpOrDownWithoutWrapping) {
  RunState state;
  FillAligned(state);
  FindOutcome up = FindSplitRow(state, "kavendrift", 5, false);
  EXPECT_TRUE(up.Found);
  EXPECT_EQ(up.Selected, 4);
  up = FindSplitRow(state, "kavendrift", 4, false);
  EXPECT_EQ(up.Selected, 0);
  up = FindSplitRow(state, "kavendrift", 0, false);
  EXPECT_FALSE(up.Found);
  EXPECT_EQ(up.Selected, 0);  // the selection stays
  FindOutcome down = FindSplitRow(state, "base", 1, true);
  EXPECT_FALSE(down.Found);
  EXPECT_EQ(down.Selected, 1);
}

TEST(SplitViewerLogic, FindStopsAtTheLeftListsEndAndSkipsMissingRightRows) {
  RunState state;
  AddRow(state, state.NewTreeLines, NodeHdr, "left 0");
  AddRow(state, state.NewTreeLines, NodeHdr, "left 1");
  AddRow(state, state.NewTreeLines, NodeHdr, "left 2");
  AddRow(state, state.OldTreeLines, NodeHdr, "right 0");
  AddRow(state, state.OldTreeLines, NodeHdr, "right 1 target");
  EXPECT_EQ(FindSplitRow(state, "target", 0, true).Selected, 1);
  EXPECT_FALSE(FindSplitRow(state, "target", 1, true).Found);

  RunState empty;
  AddRow(empty, empty.OldTreeLines, NodeHdr, "only on the right");
  EXPECT_FALSE(FindSplitRow(empty, "only", -1, true).Found);
}

TEST(SplitViewerLogic, RestoreAppliesTopHeightWidthUpToTheFirstNonNumber) {
  RunState state;
  state.Viewers.SpPFontSz = "9";
  state.Viewers.SpDFontSz = "11";
  state.Viewers.VLSpTop = "40";
  state.Viewers.VLSpHt = "3x0";
  state.Viewers.VLSpWide = "700";
  SplitViewerRestore plan = PlanSplitViewerRestore(state);
  EXPECT_EQ(plan.PrintFontSize, "9");
  EXPECT_EQ(plan.DisplayFontSize, "11");
  EXPECT_EQ(plan.Top, 40);
  EXPECT_FALSE(plan.Height);
  EXPECT_FALSE(plan.Width);  // after the bad height, nothing more

  state.Viewers.VLSpTop = "";  // an empty text ends the step as well
  state.Viewers.VLSpHt = "300";
  plan = PlanSplitViewerRestore(state);
  EXPECT_FALSE(plan.Top);
  EXPECT_FALSE(plan.Height);
}

TEST(SplitViewerLogic, StoredGeometryKeepsItsWidths) {
  RunState state;
  StoreSplitViewerGeometry(state, "10x", "123", 45, 1024, 653);
  EXPECT_EQ(state.Viewers.SpPFontSz, "10");
  EXPECT_EQ(state.Viewers.SpDFontSz, "12");
  EXPECT_EQ(state.Viewers.VLSpTop, "45");
  EXPECT_EQ(state.Viewers.VLSpHt, "102");
  EXPECT_EQ(state.Viewers.VLSpWide, "653");
}

}  // namespace
}  // namespace kav
