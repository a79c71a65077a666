#include "compare/CompareSection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "run/Dispatcher.h"
#include "support/CompareFixture.h"

namespace kav::test {
namespace {

using Lines = StringList;

const char* const Equivalent = "INFORM01: The processed files compare as equivalent files. ";
const char* const PrematureStop = "INFORM01: The User requested a premature program stop. ";
const char* const SummaryTitle =
    "Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS SECTION";

long CountLine(const Lines& lines, const std::string& line) {
  return std::count(lines.begin(), lines.end(), line);
}

TEST(RunCompareSection, TypeOneReportListsInsertedDeletedAndPairedFiles) {
  CompareFixture f;
  f.tree.File("new/a", "aaa");
  f.tree.File("new/c", "same");
  f.tree.File("old/b", "bb");
  f.tree.File("old/c", "same");
  RunCompare(f.ctx);

  const Lines expected = {
      "New Dir = " + f.tree.Path("new") + " ",
      "Old Dir = " + f.tree.Path("old") + " ",
      SummaryTitle,
      " ",
      "Ref# Code New-Fi-Name                New-Size Old-Size ",
      "I -  a                                 3 ",
      "D -  b                                          2 ",
      "     c                                 4        4 ",
      " ",
      "  File Codes:  *      - Files are not equal.",
      "            : \"Blank\" - Files are equal.",
      "            : I       - New-File-Inserted (Absent from Old Dir and Not Processed).",
      "            : D       - Old-File-Deleted  (Absent from New Dir and Not Processed).",
      " ",
      "      1 Total File(s) Processed as Binary Paired Files.",
      "      0 Total File(s) Processed had Changes.",
      "      1 Total File(s) Processed as Equal Time-Date-Len Equivalent.",
      " ",
      "Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
      "        4 New Bin Size Processed               4 Old Bin File Size Processed",
      "        3 New Bin Size Not-Processed           2 Old Bin File Size Not-Processed",
      " ",
      "OPTIONS = None",
      "INFORM01: The processed directories have files inserted/deleted.",
  };
  EXPECT_EQ(f.state.ReportLines, expected);
  EXPECT_EQ(f.state.SummaryTopLine, 4);
  EXPECT_EQ(f.state.SummaryTotalsLine, 8);
  EXPECT_EQ(f.state.InsertedCount, 1);
  EXPECT_EQ(f.state.DeletedCount, 1);
  EXPECT_EQ(f.host.viewersOpened, std::vector<Viewer>{Viewer::SingleList});
}

TEST(RunCompareSection, OnePairOfEqualFilesEndsWithTheEquivalentLine) {
  CompareFixture f;
  f.tree.File("new/x", "1");
  f.tree.File("old/X", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), Lines{"     x                                 1        1 "});
  EXPECT_EQ(f.LastLine(), Equivalent);
  EXPECT_EQ(CountLine(f.host.statuses, Equivalent), 1);
}

// Sets the run state as the type 1 pre-check leaves it and runs the compare section.
void RunPairs(CompareFixture& f, const Lines& names) {
  f.state.NewDirName = f.tree.Path("new") + "/";
  f.state.OldDirName = f.tree.Path("old") + "/";
  f.state.Names.PairedNewNames = names;
  f.state.Names.PairedOldNames = names;
  f.state.SingleLevelRun = true;
  RunCompareSection(f.ctx);
}

TEST(RunCompareSection, AMissingOldFileIsAnErrRowAndAnOpenError) {
  CompareFixture f;
  for (const char* name : {"a", "b", "c"}) f.tree.File(std::string("new/") + name, "1");
  f.tree.File("old/a", "1");
  f.tree.File("old/c", "1");
  RunPairs(f, {"a", "b", "c"});
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "     a                                 1        1 ",
                                 "Err  b                                 0        0 ",
                                 "     c                                 1        1 ",
                             }));
  EXPECT_EQ(f.LastLine(), "ERROR: Kavendri encountered an I/O problem opening an Input File.");
  EXPECT_TRUE(f.HasLine("      2 Total File(s) Processed as Binary Paired Files."));
}

TEST(RunCompareSection, HaltDuringTheSecondOfFivePairsWritesNoSummary) {
  CompareFixture f;
  f.state.Panel.PrCkVeqf = true;  // every pair is read block by block
  for (const char* name : {"1", "2", "3", "4", "5"}) {
    f.tree.SizedFile(std::string("new/") + name, 40000);
    f.tree.SizedFile(std::string("old/") + name, 40000);
  }
  f.host.onPendingEvents = [&] {
    if (f.host.LastStatus() == "Comparing Data Files Tot Files(5) Current File (1)") {
      MnButStopClick(f.state);
    }
  };
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines, Lines{PrematureStop});
  EXPECT_EQ(f.state.FinalVerdict, Verdict::Halted);
  EXPECT_EQ(f.host.LastStatus(),
            "Operation terminated at user request. End results may not be valid.");
  EXPECT_TRUE(f.host.viewersOpened.empty());
  auto rshow = std::find_if(f.host.calls.rbegin(), f.host.calls.rend(),
                            [](const auto& c) { return c.rfind("enabled MnBtnRshow", 0) == 0; });
  ASSERT_NE(rshow, f.host.calls.rend());
  EXPECT_EQ(*rshow, "enabled MnBtnRshow=0");
}

// A halt while a large directory is listed ends the run as a halt in the pair loop does.
TEST(RunCompareSection, HaltWhileListingWritesThePrematureStopVerdict) {
  CompareFixture f;
  for (int i = 0; i < 600; ++i) f.tree.File("new/" + std::to_string(i), "x");
  f.tree.File("old/0", "x");
  f.host.onPendingEvents = [&] { MnButStopClick(f.state); };
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines, Lines{PrematureStop});
  EXPECT_TRUE(f.state.IoFailures.empty());
  EXPECT_TRUE(f.host.viewersOpened.empty());
}

TEST(RunCompareSection, AReadFailureIsCountedOnceAsNotProcessed) {
  // The failing pair is the last one, where a second summary could slip in.
  CompareFixture f;
  f.state.Options.OptVeqf = true;
  for (const char* name : {"a", "b"}) {
    f.tree.SizedFile(std::string("new/") + name, 300000);
    f.tree.SizedFile(std::string("old/") + name, 300000);
  }
  f.fs.FailReadAt(f.OldFile("b"), 2);
  RunPairs(f, {"a", "b"});
  EXPECT_EQ(CountLine(f.state.ReportLines, SummaryTitle), 1);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "     a                            300000   300000 ",
                                 "Err  b                                 0        0 ",
                             }));
  EXPECT_TRUE(f.HasLine("      1 Total File(s) Processed as Binary Paired Files."));
  EXPECT_TRUE(f.HasLine("      0 Total File(s) Processed had Changes."));
  EXPECT_EQ(f.LastLine(), "WARN01: One or more files had processing errors. ");
}

TEST(RunCompareSection, InsertedNamesDoNotHideAReadFailure) {
  // The merge of inserted names raises the highest return code to 1; it must not lower a 2.
  CompareFixture f;
  f.state.Panel.PrCkVeqf = true;
  f.tree.SizedFile("new/a", 300000);
  f.tree.SizedFile("old/a", 300000);
  f.tree.File("new/only-new", "1");
  f.fs.FailReadAt(f.NewFile("a"), 2);
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "Err  a                                 0        0 ",
                                 "I -  only-new                          1 ",
                             }));
  EXPECT_EQ(f.LastLine(), "WARN01: One or more files had processing errors. ");
}

TEST(RunCompareSection, BypassShowsTheVerdictWithoutAViewer) {
  CompareFixture f;
  f.state.Panel.MnCkViewResults = true;
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "2");
  f.state.Panel.PrCkVeqf = true;
  RunCompare(f.ctx);
  EXPECT_TRUE(f.host.viewersOpened.empty());
  EXPECT_EQ(f.host.LastStatus(), "INFORM01: The processed files have differences            .");
  EXPECT_EQ(CountLine(f.host.calls, "focus MnCurrStatus"), 1);
}

TEST(RunCompareSection, ProgressFollowsThePairs) {
  CompareFixture f;
  for (const char* name : {"a", "b", "c", "d"}) {
    f.tree.File(std::string("new/") + name, "1");
    f.tree.File(std::string("old/") + name, "1");
  }
  RunPairs(f, {"a", "b", "c", "d"});
  Lines percent;
  for (int p : f.host.progress) percent.push_back(std::to_string(p));
  // Each pair shows its position before it is prepared and again while it is compared.
  EXPECT_EQ(percent, (Lines{"0", "0", "25", "25", "50", "50", "75", "75"}));
}

}  // namespace
}  // namespace kav::test
