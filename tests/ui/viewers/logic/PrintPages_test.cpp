// The page geometry and the single list viewer's plain print, page by page.
#include <gtest/gtest.h>

#include "ui/viewers/logic/PrintPages.h"

namespace kav {
namespace {

// A geometry with `linesPerPage` lines: every measure 10 pixels.
PageGeometry Lines(int linesPerPage) {
  return PageGeometryFrom(10, 10, 10, 1000, (linesPerPage + 4) * 10);
}

PrintText Bold(int line, std::string text, bool atNumber = false) {
  return {line, atNumber, true, std::move(text)};
}
PrintText Row(int line, std::string text) {
  return {line, false, false, std::move(text)};
}

TEST(PageGeometry, FollowsTheFontMeasuresAndThePageSize) {
  const PageGeometry g = PageGeometryFrom(100, 110, 200, 9000, 13050);
  EXPECT_EQ(g.CharWidth, 100);
  EXPECT_EQ(g.BoldCharWidth, 110);
  EXPECT_EQ(g.LineHeight, 200);
  EXPECT_EQ(g.LinesPerPage, 61);              // 13050 div 200 = 65, minus 4
  EXPECT_EQ(g.LeftX, 300);                    // 3 x CharWidth
  EXPECT_EQ(g.PageNumberX, (81 - 12) * 110);  // (9000 div 110 - 12) x BoldCharWidth
  EXPECT_EQ(RowsPerPage(g), 57);
  // Broken measures never divide by zero and a tiny page still holds a row.
  const PageGeometry broken = PageGeometryFrom(0, 0, 0, 0, 0);
  EXPECT_EQ(broken.LineHeight, 1);
  EXPECT_EQ(RowsPerPage(broken), 1);
}

TEST(SingleListPrintJob, BreaksPagesExactlyAndEndsAFullLastPageWithAHeaderPage) {
  struct Case {
    int rows;
    std::vector<int> rowsOnPages;
  };
  // Three rows fit on a page of 7 lines (rows at lines 4, 5 and 6).
  for (const Case& c :
       {Case{0, {0}}, Case{2, {2}}, Case{3, {3, 0}}, Case{7, {3, 3, 1}}, Case{6, {3, 3, 0}}}) {
    RunState state;
    for (int i = 0; i < c.rows; ++i) state.ReportLines.push_back("line " + std::to_string(i));
    const PrintJob job = SingleListPrintJob(state, "Caption", "Header", Lines(7));
    ASSERT_EQ(job.Pages.size(), c.rowsOnPages.size()) << c.rows;
    for (std::size_t p = 0; p < job.Pages.size(); ++p) {
      EXPECT_EQ(job.Pages[p].size(), 2 + static_cast<std::size_t>(c.rowsOnPages[p])) << c.rows;
    }
  }
}

TEST(SingleListPrintJob, PrintsCaptionOnPageOneAndTheListHeaderLater) {
  RunState state;
  state.ReportLines = {"New Dir = /n/", "Ref#", "a.txt", "b.txt"};
  state.SummaryTopLine = 1;
  state.SummaryTotalsLine = 4;
  const PrintJob job =
      SingleListPrintJob(state, " Kavendrift Compare Program Report - 1", "the header", Lines(7));
  EXPECT_EQ(job.DocName, " Kavendrift Compare Program Report - 1");
  const std::vector<PrintPage> expected = {
      {Bold(2, " Kavendrift Compare Program Report - 1"), Bold(2, "Page   1", true),
       Row(4, " New Dir = /n/"), Row(5, " Ref#"), Row(6, "   1  a.txt")},
      {Bold(2, "the header"), Bold(2, "Page   2", true), Row(4, "   2  b.txt")}};
  EXPECT_EQ(job.Pages, expected);
}

}  // namespace
}  // namespace kav
