// The tree graph viewer's remembered geometry and the report mark's caret position.
#include <gtest/gtest.h>

#include "ui/viewers/logic/GraphViewerLogic.h"

namespace kav {
namespace {

TEST(GraphViewerLogic, RestoreSkipsEmptyTextsAndStopsAtTheFirstNonNumber) {
  RunState state;
  state.Viewers.SvGrTop = "40";
  state.Viewers.SvGrLeft = "";
  state.Viewers.SvGrHeight = "600";
  state.Viewers.SvGrWidth = "5O0";  // a letter O
  state.Viewers.SvTrWidth = "250";
  state.Viewers.SvGrDNode = "300";
  GraphRestore plan = PlanGraphRestore(state);
  EXPECT_EQ(plan.Top, 40);
  EXPECT_FALSE(plan.Left);
  EXPECT_EQ(plan.Height, 600);
  EXPECT_FALSE(plan.Width);
  EXPECT_FALSE(plan.TreeWidth);
  EXPECT_FALSE(plan.DirNodesHeight);

  state.Viewers.SvGrWidth = "500";
  plan = PlanGraphRestore(state);
  EXPECT_EQ(plan.Width, 500);
  EXPECT_EQ(plan.TreeWidth, 250);
  EXPECT_EQ(plan.DirNodesHeight, 300);
  EXPECT_FALSE(PlanGraphRestore(RunState{}).Top);
}

TEST(GraphViewerLogic, StoredGeometryKeepsFourCharacters) {
  RunState state;
  StoreGraphGeometry(state, {180, 12, -8, 700, 12345, 260, 310});
  EXPECT_EQ(state.Viewers.SvGrColWid, "180");
  EXPECT_EQ(state.Viewers.SvGrTop, "12");
  EXPECT_EQ(state.Viewers.SvGrLeft, "-8");
  EXPECT_EQ(state.Viewers.SvGrHeight, "700");
  EXPECT_EQ(state.Viewers.SvGrWidth, "1234");
  EXPECT_EQ(state.Viewers.SvTrWidth, "260");
  EXPECT_EQ(state.Viewers.SvGrDNode, "310");
}

TEST(GraphViewerLogic, MarkBecomesTheTextBoxPosition) {
  // Lines "ab", "caf\xC3\xA9" (5 bytes, 4 units), "\xF0\x9D\x84\x9E!" (5 bytes, 3 units).
  const std::vector<ColoredLine> lines = {{0, "ab"}, {0, "caf\xC3\xA9"}, {0, "\xF0\x9D\x84\x9E!"}};
  struct Case {
    int64_t mark;
    long long position;
  } cases[] = {
      {0, 0},     {1, 1},  {2, 2},  // in and at the end of "ab"
      {3, 3},                       // start of the second line
      {8, 7},                       // after "caf\xC3\xA9": 3 + 4
      {9, 8},                       // start of the third line
      {13, 10},                     // after the surrogate pair
      {15, 11},                     // the builder's mark: every line and its line end
      {1000, 11}, {-5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mark);
    EXPECT_EQ(ReportCaretPosition(lines, c.mark), c.position);
  }
  EXPECT_EQ(ReportCaretPosition({}, 10), 0);
}

}  // namespace
}  // namespace kav
