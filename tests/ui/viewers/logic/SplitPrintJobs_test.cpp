// The split viewer's plain print: page estimate, sections, spool segments.
#include <gtest/gtest.h>

#include "ui/viewers/logic/SplitPrintJobs.h"

namespace kav {
namespace {

PageGeometry Lines(int linesPerPage) {
  return PageGeometryFrom(10, 10, 10, 1000, (linesPerPage + 4) * 10);
}

void AddRow(RunState& state, TreeNodeList& list, std::string text) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = NodeFile;
  node->Text = std::move(text);
  list.push_back(node);
}

// A tree compare whose New section has `newRows` numbered rows and one summary row.
RunState Compare(int newRows, int oldRows) {
  RunState state;
  state.TreeCompareRun = true;
  state.StartStamp = "STAMP";
  state.Panel.MnCbNewDirNm = "/new/";
  state.Panel.MnCbOldDirNm = "/old/";
  AddRow(state, state.NewTreeLines, "new title");
  AddRow(state, state.OldTreeLines, "old title");
  for (int i = 1; i <= newRows; ++i) AddRow(state, state.NewTreeLines, "n" + std::to_string(i));
  for (int i = 1; i <= oldRows; ++i) AddRow(state, state.OldTreeLines, "o" + std::to_string(i));
  state.NewNumberedCount = newRows + 1;
  state.OldNumberedCount = oldRows + 1;
  AddRow(state, state.NewTreeLines, "TOTALS");
  return state;
}

std::vector<std::size_t> PageCounts(const std::vector<PrintJob>& jobs) {
  std::vector<std::size_t> counts;
  for (const PrintJob& job : jobs) counts.push_back(job.Pages.size());
  return counts;
}

TEST(SplitPageEstimate, FollowsTheFormulaAndOpensTheDialogAboveTenPages) {
  RunState state = Compare(74, 1);
  const SplitPageEstimate estimate = EstimateSplitPages(state, 7);
  EXPECT_EQ(estimate.NewPages, 14);  // n = 75 + 7: (82 + 2 x 11) div 7
  EXPECT_EQ(estimate.OldPages, 1);   // n = 2 + 76 - 75 + 7: (10 + 2) div 7
  EXPECT_EQ(SpoolEstimateText(state, estimate), "14/1");
  EXPECT_TRUE(SpoolLimitDialogNeeded({11, 0}));
  EXPECT_FALSE(SpoolLimitDialogNeeded({10, 99}));
  state.ListBothTreesRun = true;
  const SplitPageEstimate both = EstimateSplitPages(state, 7);
  EXPECT_EQ(both.NewPages, 15);  // n = 75 + 2 + 7: (84 + 2 x 12) div 7
  EXPECT_EQ(SpoolEstimateText(state, both), "15");
}

TEST(SplitPrintJobs, LimitedSegmentsSendTwentyFivePagesAsJobsOfTenTenAndFive) {
  const RunState state = Compare(74, 1);  // 74 rows, 3 to a page: 25 pages
  EXPECT_EQ(PageCounts(SplitPrintJobs(state, Lines(7), false)), (std::vector<std::size_t>{25, 1}));
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(7), true);
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{10, 10, 5, 1}));
  EXPECT_EQ(jobs[0].DocName, "Section 1 -- NewFile = /new/");
  EXPECT_EQ(jobs[1].DocName, "(Continuation) Section 1 -- NewFile = /new/");
  const PrintPage first = {{2, false, true, "Kavendrift File Compare Listing - STAMP"},
                           {2, true, true, "Page  1"},
                           {3, false, false, "Section 1 -- NewFile = /new/"},
                           {4, false, false, "   1  n1"},
                           {5, false, false, "   2  n2"},
                           {6, false, false, "   3  n3"}};
  EXPECT_EQ(jobs[0].Pages[0], first);
  const PrintPage second = {{2, false, true, "Kavendrift File Compare Listing"},
                            {2, true, true, "Page   2"},
                            {3, false, false, "(Continuation) Section 1 -- NewFile = /new/"},
                            {4, false, false, "   4  n4"},
                            {5, false, false, "   5  n5"},
                            {6, false, false, "   6  n6"}};
  EXPECT_EQ(jobs[0].Pages[1], second);
  const PrintPage continued = {{2, false, true, "Kavendrift File Compare Listing - STAMP"},
                               {2, true, true, "Page  11"},
                               {3, false, false, "(Continuation) Section 1 -- NewFile = /new/"},
                               {4, false, false, "  31  n31"},
                               {5, false, false, "  32  n32"},
                               {6, false, false, "  33  n33"}};
  EXPECT_EQ(jobs[1].Pages[0], continued);
  EXPECT_EQ(jobs[2].Pages[4].back(), (PrintText{5, false, false, "  74  n74"}));
  // The Old section starts a job of its own on the next page; the summary follows it.
  const PrintPage old = {{2, false, true, "Kavendrift File Compare Listing - STAMP"},
                         {2, true, true, "Page  26"},
                         {3, false, false, "Section 2 -- OldFile = /old/"},
                         {4, false, false, "   1  o1"},
                         {5, false, false, " TOTALS"}};
  EXPECT_EQ(jobs[3].Pages[0], old);
}

TEST(SplitPrintJobs, SummaryPagesCarryTheSummarySectionTitle) {
  RunState state = Compare(1, 2);
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(5), false);  // 1 row a page
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{2, 4}));
  // The page the summary starts on was headed before the summary began.
  EXPECT_EQ(jobs[1].Pages[2][2].Text, "(Continuation) Section 2 -- OldFile = /old/");
  EXPECT_EQ(jobs[1].Pages[2][3].Text, " TOTALS");
  EXPECT_EQ(jobs[1].Pages[3][2].Text, "(Continuation) Section 3 --  Summary Section");
}

TEST(SplitPrintJobs, ListingSectionsPrintRowZeroAndTheListHeader) {
  RunState state = Compare(2, 1);
  state.TreeCompareRun = false;
  state.ListBothTreesRun = true;
  state.Split.LeftHeader = "left header";
  state.Split.RightHeader = "right header";
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(10), false);
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{1, 1}));
  const PrintPage right = {{2, false, true, "Kavendrift Dual Directory Tree Report - STAMP"},
                           {2, true, true, "Page  2"},
                           {3, false, false, "Section 2 -- OldFile = /old/"},
                           {4, false, false, " old title"},
                           {5, false, false, "right header"},
                           {6, false, false, "   1  o1"}};
  EXPECT_EQ(jobs[1].Pages[0], right);
}

}  // namespace
}  // namespace kav
