#include "compare/GroupedSummary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "compare/CompareSection.h"
#include "compare/ResolveNames.h"
#include "compare/SummaryRows.h"
#include "run/Dispatcher.h"
#include "support/CompareFixture.h"

namespace kav::test {
namespace {

using Lines = StringList;

const char* const DateTime = "01/05/2024 01:05:00 PM";  // TempTree's default time

TEST(ShortenName, KeepsNamesUpToTheWidthAndShortensLongerOnes) {
  struct Case {
    const char* name;
    const char* shown;
  } cases[] = {
      {"abcdefghijklmnopqrstuvwxyz.txt", "abcdefghijklmnopqrs...txt"},
      {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmnopqrstuvwxyz"},
      {"abcdefghijklmnopqrstuvwxyz1", "abcdefghijklmnopqrs...yz1"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortenName(c.name, 26), c.shown);

  // UTF-8: a two-byte letter is one character, and a cut never splits one.
  const std::string umlauts = "\u00e4\u00f6\u00fc";  // 3 characters, 6 bytes
  std::string name;
  for (int i = 0; i < 9; ++i) name += umlauts;  // 27 characters
  std::string first19;
  for (int i = 0; i < 6; ++i) first19 += umlauts;
  first19 += "\u00e4";
  EXPECT_EQ(ShortenName(name, 26), first19 + "..." + umlauts);
  const std::string fits = name.substr(0, name.size() - 2);  // 26 characters, 52 bytes
  EXPECT_EQ(ShortenName(fits, 26), fits);
}

TEST(GroupedSummary, ALongNameIsShortenedInItsRow) {
  CompareFixture f;
  f.tree.File("new/abcdefghijklmnopqrstuvwxyz.txt", "1");
  f.tree.File("old/abcdefghijklmnopqrstuvwxyz.txt", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), Lines{"     abcdefghijklmnopqrs...txt         1        1 "});
}

TEST(GroupedSummary, ChgoWithoutChangesHasNoHeaderRowsOrLegend) {
  CompareFixture f;
  f.state.Panel.PrCkChgO = true;
  f.tree.File("new/a", "1");
  f.tree.File("old/a", "1");
  f.tree.File("new/only-new", "1");
  RunCompare(f.ctx);
  const Lines expected = {
      "New Dir = " + f.tree.Path("new") + " ",
      "Old Dir = " + f.tree.Path("old") + " ",
      "Kavendrift GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION",
      " ",
      "      1 Total File(s) Processed as Binary Paired Files.",
      "      0 Total File(s) Processed had Changes.",
      "      1 Total File(s) Processed as Equal Time-Date-Len Equivalent.",
      " ",
      "Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
      "        1 New Bin Size Processed               1 Old Bin File Size Processed",
      " ",
      "OPTIONS = Chgo ",
      "INFORM01: The processed files compare as equivalent files. ",
  };
  EXPECT_EQ(f.state.ReportLines, expected);
  EXPECT_EQ(f.state.SummaryTopLine, 4);
  EXPECT_EQ(f.state.SummaryTotalsLine, 0);
}

TEST(GroupedSummary, ChgoListsOnlyTheChangedPairsWithBothNames) {
  CompareFixture f;
  f.state.Panel.PrCkChgO = true;
  f.tree.File("new/a.txt", "1");
  f.tree.File("old/a.txt", "1");
  f.tree.File("new/b.txt", "1");
  f.tree.File("old/b.txt", "2", TempTree::DefaultTime + 60);
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines[f.state.SummaryTopLine],
            "Ref# Code New-Fi-Name                Old-Fi-Name                New-Size Old-Size ");
  EXPECT_EQ(f.SummaryRows(),
            Lines{"*    b.txt                      b.txt                             1        1 "});
  EXPECT_EQ(f.state.ReportLines[f.state.SummaryTotalsLine + 3], " ");  // two legend lines only
}

TEST(GroupedSummary, VeqfDropsTheStampEquivalenceLine) {
  const std::string stampLine =
      "      1 Total File(s) Processed as Equal Time-Date-Len Equivalent.";
  for (bool veqf : {false, true}) {
    CompareFixture f;
    f.state.Panel.PrCkVeqf = veqf;
    f.tree.File("new/a", "1");
    f.tree.File("old/a", "1");
    RunCompare(f.ctx);
    EXPECT_EQ(f.HasLine(stampLine), !veqf);
    EXPECT_FALSE(f.HasLine("      0 Total File(s) Processed as Equal Time-Date-Len Equivalent."));
    EXPECT_TRUE(f.HasLine(veqf ? "OPTIONS = Veqf " : "OPTIONS = None"));
  }
}

TEST(GroupedSummary, EqualStampsWithDifferentSizesStayDifferent) {
  // The size test comes before the stamp shortcut: equal stamps never hide a size change.
  CompareFixture f;
  f.tree.File("new/a", "12");
  f.tree.File("old/a", "123");
  std::filesystem::last_write_time(f.OldFile("a"),
                                   std::filesystem::last_write_time(f.NewFile("a")));
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{"*    a                                 2        3 "}));
  EXPECT_TRUE(f.HasLine("      1 Total File(s) Processed had Changes."));
  EXPECT_TRUE(f.HasLine("      0 Total File(s) Processed as Equal Time-Date-Len Equivalent."));
  EXPECT_TRUE(f.HasLine("INFORM01: The processed files have differences            ."));
}

TEST(GroupedSummary, ItdtAddsDateAndTimeToPairedAndDeletedRows) {
  CompareFixture f;
  f.state.Panel.PrCkItdt = true;
  f.tree.File("new/a", "aaa");
  f.tree.File("old/b", "bb");
  f.tree.File("new/c", "same");
  f.tree.File("old/c", "same");
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines[f.state.SummaryTopLine],
            "Ref# Code New-Fi-Name                New-Size Old-Size "
            "New-File-Date             Old-File-Date");
  const std::string dt = DateTime;
  EXPECT_EQ(f.SummaryRows(),
            (Lines{
                "I -  a                                 3 ",
                "D -  b                                          2                           " + dt,
                "     c                                 4        4 " + dt + "    " + dt,
            }));
  EXPECT_TRUE(f.HasLine("OPTIONS = Itdt "));
}

TEST(GroupedSummary, ItdtRowOfAPairNotProcessedHasNoDates) {
  CompareFixture f;
  f.state.Options.OptItdt = true;
  f.tree.File("new/b", "1");
  f.state.NewDirName = f.tree.Path("new") + "/";
  f.state.OldDirName = f.tree.Path("old") + "/";
  f.state.Names.PairedNewNames = f.state.Names.PairedOldNames = {"b"};
  f.state.SingleLevelRun = true;
  RunCompareSection(f.ctx);
  EXPECT_EQ(f.SummaryRows(), Lines{"Err  b                                 0        0     "});
}

TEST(GroupedSummary, UnpairedWin386SwapFileIsNeverOpened) {
  CompareFixture f;
  f.tree.File("new/win386.swp", "12345");
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "1");
  f.fs.FailOpen(f.NewFile("win386.swp"));  // an open would be seen as size 0 anyway
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "Err  win386.swp                        0 ",
                                 "     x                                 1        1 ",
                             }));
  EXPECT_TRUE(f.HasLine(
      "        0 New Bin Size Not-Processed           0 Old Bin File Size Not-Processed"));
}

TEST(GroupedSummary, UnpairedFileThatCannotBeOpenedIsAFailureNotASizeZero) {
  CompareFixture f;
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "1");
  f.tree.File("old/gone", "1234");
  f.fs.FailOpen(f.OldFile("gone"));  // listed, then unreadable: its size is unknown
  RunCompare(f.ctx);
  ASSERT_EQ(f.state.IoFailures.size(), 1u);
  EXPECT_EQ(IoErrorText(f.state.IoFailures[0]), f.OldFile("gone") + ": Permission denied");
}

TEST(GroupedSummary, UnpairedFilesOfTwoGigabytesOrMoreShowSizeZero) {
  CompareFixture f;
  f.tree.File("new/big", "");
  f.tree.File("old/huge", "");
  std::filesystem::resize_file(f.NewFile("big"), 2147483648u);  // sparse: no disk is used
  std::filesystem::resize_file(f.OldFile("huge"), 5368709120u);
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "I -  big                               0 ",
                                 "D -  huge                                       0 ",
                                 "     x                                 1        1 ",
                             }));
  EXPECT_TRUE(f.HasLine(
      "        0 New Bin Size Not-Processed           0 Old Bin File Size Not-Processed"));
  EXPECT_TRUE(f.host.messages.empty());
}

TEST(GroupedSummary, UnpairedFilesAreOpenedByTheirOwnNameAndFifosNever) {
  CompareFixture f;
  f.tree.File("new/Upper.TXT", "12345");
  f.tree.Fifo("old/pipe");  // opening it for its size would block
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "D -  pipe                                       0 ",
                                 "I -  upper.txt                         5 ",
                                 "     x                                 1        1 ",
                             }));
  EXPECT_TRUE(f.HasLine(
      "        5 New Bin Size Not-Processed           0 Old Bin File Size Not-Processed"));
}

TEST(GroupedSummary, SpnmUsesTheNamedLayoutWithoutNotProcessedTotals) {
  CompareFixture f;
  f.state.Panel.PrCkSpnm = true;
  f.tree.File("new/x", "1");
  f.tree.File("old/x", "1");
  f.tree.File("new/only", "1");
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(),
            Lines{"     x                          x                                 1        1 "});
  EXPECT_FALSE(f.HasLine(
      "        0 New Bin Size Not-Processed           0 Old Bin File Size Not-Processed"));
  EXPECT_TRUE(f.HasLine("OPTIONS = Spnm "));
  EXPECT_EQ(f.LastLine(), "INFORM01: The processed files compare as equivalent files. ");
}

TEST(GroupedSummary, TypeThreeEndsWithTheSelectedNames) {
  CompareFixture f;
  f.SetType(3);
  for (const char* name : {"One.txt", "two.txt", "three.txt"}) {
    f.tree.File(std::string("new/") + name, "1");
    f.tree.File(std::string("old/") + name, "1");
  }
  f.host.onOpenSelection = [&](SelectionWindow) {
    FillSelectedPairs(f.state, f.fs, {{"one.txt", "one.txt"}, {"two.txt", "two.txt"}});
    RunCompareSection(f.ctx);
  };
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines[f.state.SummaryTopLine],
            "Ref# Code New/Old-Fi-Name            New-Size Old-Size ");
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "     one.txt                           1        1 ",
                                 "     two.txt                           1        1 ",
                             }));
  const Lines& lines = f.state.ReportLines;
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.end() - 4, lines.end()),
            (Lines{" USER SELECT FROM LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (3)", "  one.txt",
                   "  two.txt", "INFORM01: The processed files compare as equivalent files. "}));
}

TEST(GroupedSummary, TypeFourListsThePairsWithBothNames) {
  CompareFixture f;
  f.SetType(4);
  f.tree.File("new/report.txt", "new text");
  f.tree.File("old/Report_Old.txt", "old text");
  f.host.onOpenSelection = [&](SelectionWindow) {
    FillSelectedPairs(f.state, f.fs, {SplitPairText("report.txt : report_old.txt")});
    RunCompareSection(f.ctx);
  };
  f.state.Panel.PrCkVeqf = true;
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(),
            Lines{"*    report.txt                 report_old.txt                    8        8 "});
  const Lines& lines = f.state.ReportLines;
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.end() - 3, lines.end()),
            (Lines{" USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (4)",
                   "  report.txt  :  report_old.txt",
                   "INFORM01: The processed files have differences            ."}));
}

TEST(GroupedSummary, ControlCharactersInNamesCannotSplitARow) {
  CompareFixture f;
  f.SetType(3);
  f.tree.File("new/line\nbreak", "1");
  f.tree.File("old/line\nbreak", "1");
  f.tree.File("new/tab\tname", "22");
  f.tree.File("old/tab\tname", "22");
  f.host.onOpenSelection = [&](SelectionWindow) {
    FillSelectedPairs(f.state, f.fs, {{"line\nbreak", "line\nbreak"}, {"tab\tname", "tab\tname"}});
    RunCompareSection(f.ctx);
  };
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (Lines{
                                 "     line?break                        1        1 ",
                                 "     tab?name                          2        2 ",
                             }));
  const Lines& lines = f.state.ReportLines;
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(Lines(lines.end() - 3, lines.end() - 1), (Lines{"  line?break", "  tab?name"}));
}

TEST(GroupedSummary, LinesAreCutAt132Characters) {
  CompareFixture f;
  const std::string deep = std::string(120, 'n');
  f.tree.File("new/" + deep + "/x", "1");
  f.tree.File("old/x", "1");
  f.state.Panel.MnCbNewDirNm = f.tree.Path("new/" + deep);
  RunCompare(f.ctx);
  ASSERT_FALSE(f.state.ReportLines.empty());
  EXPECT_EQ(f.state.ReportLines[0],
            ("New Dir = " + f.tree.Path("new/" + deep) + " ").substr(0, 132));
  EXPECT_EQ(f.LastLine(), "INFORM01: The processed files compare as equivalent files. ");
}

}  // namespace
}  // namespace kav::test
