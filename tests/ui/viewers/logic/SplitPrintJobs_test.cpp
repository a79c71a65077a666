// The split viewer's plain print: page estimate, sections, spool segments.
#include <gtest/gtest.h>

#include "../ListReportFixtures.h"
#include "ui/viewers/logic/SplitPrintJobs.h"

namespace kav {
namespace {

using test::FillAligned;

PageGeometry Lines(int linesPerPage) {
  return PageGeometryFrom(10, 10, 10, 1000, (linesPerPage + 4) * 10);
}

std::vector<std::size_t> PageCounts(const std::vector<PrintJob>& jobs) {
  std::vector<std::size_t> counts;
  for (const PrintJob& job : jobs) counts.push_back(job.Pages.size());
  return counts;
}

PrintText Bold(int line, std::string text, bool atNumber = false) {
  return {line, atNumber, true, std::move(text)};
}
PrintText Row(int line, std::string text) {
  return {line, false, false, std::move(text)};
}
std::string NewRow(int i) {
  const std::string n = std::to_string(i);
  return std::string(n.size() < 4 ? 4 - n.size() : 0, ' ') + n + "  I -  /file" + n + ".txt";
}

const std::string kStamp = "01/05/24 13:05";
const std::string kSection1 = "Section 1 -- NewFile = /data/new";

TEST(SplitPageEstimate, FollowsTheFormulaAndOpensTheDialogAboveTenPages) {
  RunState state;
  FillAligned(state, 74, 1);
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
  RunState state;
  FillAligned(state, 74, 1);  // 74 rows, 3 to a page: 25 pages
  EXPECT_EQ(PageCounts(SplitPrintJobs(state, Lines(7), false)), (std::vector<std::size_t>{25, 1}));
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(7), true);
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{10, 10, 5, 1}));
  EXPECT_EQ(jobs[0].DocName, kSection1);
  EXPECT_EQ(jobs[1].DocName, "(Continuation) " + kSection1);
  EXPECT_EQ(jobs[0].Pages[0], (PrintPage{Bold(2, "Kavendrift File Compare Listing - " + kStamp),
                                         Bold(2, "Page  1", true), Row(3, kSection1),
                                         Row(4, NewRow(1)), Row(5, NewRow(2)), Row(6, NewRow(3))}));
  EXPECT_EQ(jobs[0].Pages[1],
            (PrintPage{Bold(2, "Kavendrift File Compare Listing"), Bold(2, "Page   2", true),
                       Row(3, "(Continuation) " + kSection1), Row(4, NewRow(4)), Row(5, NewRow(5)),
                       Row(6, NewRow(6))}));
  EXPECT_EQ(jobs[1].Pages[0],
            (PrintPage{Bold(2, "Kavendrift File Compare Listing - " + kStamp),
                       Bold(2, "Page  11", true), Row(3, "(Continuation) " + kSection1),
                       Row(4, NewRow(31)), Row(5, NewRow(32)), Row(6, NewRow(33))}));
  EXPECT_EQ(jobs[2].Pages[4].back(), Row(5, NewRow(74)));
  // The Old section starts a job of its own on the next page; the summary follows it.
  EXPECT_EQ(jobs[3].Pages[0],
            (PrintPage{Bold(2, "Kavendrift File Compare Listing - " + kStamp),
                       Bold(2, "Page  26", true), Row(3, "Section 2 -- OldFile = /data/old"),
                       Row(4, "   1  D -  /file1.txt"), Row(5, " OPTIONS = Lsbs")}));
}

TEST(SplitPrintJobs, SummaryPagesCarryTheSummarySectionTitle) {
  RunState state;
  FillAligned(state, 1, 2);
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(5), false);  // 1 row a page
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{2, 4}));
  // The page the summary starts on was headed before the summary began.
  EXPECT_EQ(jobs[1].Pages[2][2].Text, "(Continuation) Section 2 -- OldFile = /data/old");
  EXPECT_EQ(jobs[1].Pages[2][3].Text, " OPTIONS = Lsbs");
  EXPECT_EQ(jobs[1].Pages[3][2].Text, "(Continuation) Section 3 --  Summary Section");
}

TEST(SplitPrintJobs, ListingSectionsPrintRowZeroAndTheListHeader) {
  RunState state;
  FillAligned(state, 2, 1);
  state.TreeCompareRun = false;
  state.ListBothTreesRun = true;
  const std::vector<PrintJob> jobs = SplitPrintJobs(state, Lines(10), false);
  ASSERT_EQ(PageCounts(jobs), (std::vector<std::size_t>{1, 1}));
  EXPECT_EQ(jobs[1].Pages[0],
            (PrintPage{Bold(2, "Kavendrift Dual Directory Tree Report - " + kStamp),
                       Bold(2, "Page  2", true), Row(3, "Section 2 -- OldFile = /data/old"),
                       Row(4, " Kavendrift Old Directory"), Row(5, "Ref#  Codes  Old Name"),
                       Row(6, "   1  D -  /file1.txt")}));
}

}  // namespace
}  // namespace kav
