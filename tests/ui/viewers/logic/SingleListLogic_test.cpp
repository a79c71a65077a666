#include "ui/viewers/logic/SingleListLogic.h"

#include <gtest/gtest.h>

namespace kav {
namespace {

// A grouped summary in the shape the viewer gets: title rows, the column heading at row 3,
// numbered file rows 4 to 10, then the legend.
RunState Summary() {
  RunState state;
  state.ReportLines = {
      "Kavendrift Compare Program Report",  // 0
      "New Dir = /n/",                      // 1
      "Old Dir = /o/",                      // 2
      "Ref#  Chg  File-Name",               // 3
      "I - a.txt",                          // 4
      "I - b.txt",                          // 5
      "*   c.txt",                          // 6
      "    d.txt",                          // 7
      "D - e.txt",                          // 8
      "*   f.txt",                          // 9
      "*   g.txt",                          // 10
      "",                                   // 11
      "OPTIONS = None",                     // 12
  };
  state.SummaryTopLine = 3;
  state.SummaryTotalsLine = 11;
  return state;
}

TEST(SingleListLogic, ChangeSpansDownward) {
  const StringList lines = Summary().ReportLines;
  struct Case {
    int selected, expected;
  } cases[] = {{-1, 4}, {0, 4}, {2, 4},  {3, 4},   {4, 6},  {5, 6},
               {6, 8},  {8, 9}, {9, -1}, {10, -1}, {12, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(NextChangeSpanDown(lines, c.selected), c.expected) << c.selected;
  }
}

TEST(SingleListLogic, ChangeSpansUpwardStopOnTheSpansLastRow) {
  const StringList lines = Summary().ReportLines;
  struct Case {
    int selected, expected;
  } cases[] = {{-1, 10}, {12, 10}, {10, 8}, {9, 8},  {8, 6},  {7, 6},
               {6, 5},   {5, -1},  {4, -1}, {3, -1}, {1, -1}, {0, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(NextChangeSpanUp(lines, c.selected), c.expected) << c.selected;
  }
}

TEST(SingleListLogic, AnUnchangedOrHeaderRowReopensTheSearchToAnyChange) {
  // Each search starts on a span of one kind and meets that kind again only after an
  // unchanged row or a header row, which must make it acceptable again.
  const StringList lines = {"Title", "New Dir", "Old Dir", "Ref#",  "*   a", "*   b", "    c",
                            "*   d", "New x",   "*   e",   "I - f", "Old",   "I - g"};
  struct Case {
    bool down;
    int selected, expected;
  } cases[] = {
      {true, 4, 7},     // past b (same kind), c reopens: d
      {true, 7, 9},     // the "New" header reopens: e
      {false, 12, 10},  // upward, the "Old" header reopens: f
      {false, 9, 7},    // upward from e, the header reopens: d
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.down ? NextChangeSpanDown(lines, c.selected) : NextChangeSpanUp(lines, c.selected),
              c.expected)
        << c.down << " " << c.selected;
  }
}

TEST(SingleListLogic, ChangeSpansNeverLookAtTheTopRows) {
  const StringList lines = {"I - a", "D - b", "*   c", "I - d", "New Dir"};
  EXPECT_EQ(NextChangeSpanUp(lines, -1), 3);
  EXPECT_EQ(NextChangeSpanUp(lines, 3), -1);     // rows 0 to 2 are never examined
  EXPECT_EQ(NextChangeSpanDown(lines, -1), -1);  // the downward search starts at row 4
  EXPECT_EQ(NextChangeSpanDown(StringList{}, -1), -1);
  EXPECT_EQ(NextChangeSpanUp(StringList{}, -1), -1);
}

TEST(SingleListLogic, FindComparesDisplayedRowsWithoutCase) {
  const RunState state = Summary();
  struct Case {
    const char* text;
    int selected;
    bool down;
    int expected;
    bool found;
  } cases[] = {
      {"C.TXT", 0, true, 6, true},
      {"c.txt", 6, true, 6, false},  // no wrap: the selection stays
      {"ref#", 0, true, 3, true},
      {"ref#", 12, false, 3, true},
      {"kavendrift", 0, false, 0, false},  // upward from row 0 examines nothing
      {"kavendrift", -1, false, 0, true},  // no selection: row 1 first, then row 0
      {"   3  *", 0, true, 6, true},       // the number prefix is part of the row
      {"zzz", 4, false, 4, false},
  };
  for (const Case& c : cases) {
    FindOutcome outcome = FindRowText(state, c.text, c.selected, c.down);
    EXPECT_EQ(outcome.Selected, c.expected) << c.text << " " << c.selected;
    EXPECT_EQ(outcome.Found, c.found) << c.text << " " << c.selected;
  }
  FindOutcome none = FindRowText(state, "x", -1, false);
  EXPECT_EQ(none.Selected, 1);
  EXPECT_FALSE(none.Found);
}

TEST(SingleListLogic, FindInAnEmptyStoreFindsNothing) {
  RunState empty;
  FindOutcome outcome = FindRowText(empty, "", -1, true);
  EXPECT_FALSE(outcome.Found);
  EXPECT_EQ(outcome.Selected, -1);
}

TEST(SingleListLogic, RestorePlanStopsAtTheFirstBadValue) {
  struct Case {
    const char *print, *list, *top, *height, *width;
    std::optional<int> p, l, t, h, w;
  } cases[] = {
      {"", "12", "1", "2", "3", {}, {}, {}, {}, {}},
      {"9", "12", "40", "500", "800", 9, 12, 40, 500, 800},
      {"9", "", "40", "500", "800", 9, {}, 40, 500, 800},
      {"9", "x", "40", "500", "800", 9, {}, {}, {}, {}},
      {"9", "11", "ab", "500", "800", 9, 11, {}, {}, {}},
      {"9", "11", "-5", "", "800", 9, 11, -5, {}, {}},
      {"xx", "11", "1", "2", "3", {}, {}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    RunState state;
    state.Viewers.SPFontSz = c.print;
    state.Viewers.SDFontSz = c.list;
    state.Viewers.VLTop = c.top;
    state.Viewers.VLHt = c.height;
    state.Viewers.VLWide = c.width;
    SingleViewerRestore plan = PlanSingleViewerRestore(state);
    EXPECT_EQ(plan.PrintFontSize, c.p) << c.print << c.list << c.top;
    EXPECT_EQ(plan.ListFontSize, c.l) << c.print << c.list << c.top;
    EXPECT_EQ(plan.Top, c.t) << c.print << c.list << c.top;
    EXPECT_EQ(plan.Height, c.h) << c.print << c.list << c.top;
    EXPECT_EQ(plan.Width, c.w) << c.print << c.list << c.top;
  }
}

TEST(SingleListLogic, StoredGeometryIsCutToItsWidth) {
  RunState state;
  StoreSingleViewerGeometry(state, "10", "123", -5, 1024, 1500);
  EXPECT_EQ(state.Viewers.SDFontSz, "10");
  EXPECT_EQ(state.Viewers.SPFontSz, "12");
  EXPECT_EQ(state.Viewers.VLTop, "-5");
  EXPECT_EQ(state.Viewers.VLHt, "102");
  EXPECT_EQ(state.Viewers.VLWide, "150");
}

TEST(SingleListLogic, CaptionAndHeader) {
  RunState state;
  state.StartStamp = "01/05/24 13:05";
  EXPECT_EQ(SingleViewerCaption(state), " Kavendrift Compare Program Report - 01/05/24 13:05");
  EXPECT_EQ(SingleViewerHeader(state), SingleViewerCaption(state));
  state.ListNewTreeRun = true;
  EXPECT_EQ(SingleViewerHeader(state), "Ref#  ...Lvl#  Directory/File-Name (Total-Size)  ");
}

TEST(SingleListLogic, WidestRowCountsThePrefix) {
  RunState state = Summary();
  EXPECT_EQ(WidestRowLength(state), std::string("Kavendrift Compare Program Report").size() + 6);
  EXPECT_EQ(WidestRowLength(RunState{}), 6u);
}

}  // namespace
}  // namespace kav
