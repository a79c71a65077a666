// The single viewer's text file, the print jobs' file names and the spool limit values.
#include <gtest/gtest.h>

#include "ui/viewers/logic/ListSaveFiles.h"

namespace kav {
namespace {

TEST(SingleListFileText, IsABlankLineTheCaptionAndEveryDisplayedRow) {
  RunState state;
  state.ReportLines = {"Ref#", "a.txt", "b\nc.txt", "Totals"};
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = 3;
  EXPECT_EQ(SingleListFileText(state, " Kavendrift Compare Program Report - 1"),
            " \n Kavendrift Compare Program Report - 1\n Ref#\n   1  a.txt\n   2  b?c.txt\n"
            " Totals\n");
  EXPECT_EQ(SingleListFileText(RunState{}, "C"), " \nC\n");
}

TEST(JobOutputFileName, NumbersLaterJobsBeforeTheExtension) {
  struct Case {
    const char* path;
    int job;
    const char* expected;
  };
  for (const Case& c :
       {Case{"/t/report.pdf", 0, "/t/report.pdf"}, Case{"/t/report.pdf", 1, "/t/report-2.pdf"},
        Case{"/t/report.pdf", 11, "/t/report-12.pdf"}, Case{"/t.d/report", 2, "/t.d/report-3"},
        Case{"/t/.hidden", 1, "/t/.hidden-2"}}) {
    EXPECT_EQ(JobOutputFileName(c.path, c.job), c.expected) << c.path << " " << c.job;
  }
}

TEST(SpoolLimitValues, OnlyANonZeroNumberIsValid) {
  for (const char* valid : {"1", "10", "999", "-5", "007"}) {
    EXPECT_TRUE(SegmentPagesValid(valid)) << valid;
  }
  for (const char* invalid : {"", "0", "000", "1x", " 5", "abc"}) {
    EXPECT_FALSE(SegmentPagesValid(invalid)) << invalid;
  }
  EXPECT_TRUE(SpoolLimitOpensLimited(false, "25"));
  EXPECT_FALSE(SpoolLimitOpensLimited(true, "25"));
  EXPECT_FALSE(SpoolLimitOpensLimited(false, "0"));
  EXPECT_EQ(KeptSegmentPagesText("12345"), "123");
}

}  // namespace
}  // namespace kav
