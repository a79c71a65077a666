// kavdrift-cli runs of the tree types: 5 (New tree list), 6 (both lists), 2 (tree compare,
// combined or side by side).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

// Runs in the tree's root with the relative names "new" and "old", so that the report's
// levels and names do not depend on where the temporary directory is.
CliResult RunIn(const TempTree& tree, std::vector<std::string> args) {
  args.push_back("new");
  args.push_back("old");
  return RunCli(args, {}, tree.Root());
}

// New {chg.txt, same.txt, sub/in.txt}, Old {chg.txt (changed), same.txt, gone/x.txt}.
class TreeExample : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.File("new/same.txt", "same");
    tree.File("old/same.txt", "same");
    tree.File("new/chg.txt", "abc");
    tree.File("old/chg.txt", "abd", TempTree::DefaultTime + 86400);
    tree.File("new/sub/in.txt", "12345");
    tree.File("old/gone/x.txt", "1234567");
  }
  TempTree tree;
};

TEST_F(TreeExample, Type5ListsTheNewTreeAsNumberedRows) {
  const CliResult result = RunIn(tree, {"-t", "5"});
  const std::vector<std::string> expected = {
      " Single Tree List Summary - Dirs = 2 Files = 3 OPTIONS = None",
      "   1  ..0 new/ (12)  (Files = 2)",
      "   2  ...1 /chg.txt (3)",
      "   3  ...1 /same.txt (4)",
      "   4  ...1 /sub (5)  (Files = 1)",
      "   5  ....2 /in.txt (5)",
  };
  EXPECT_EQ(result.Out, Joined(expected));
  EXPECT_EQ(result.Err, " List tree of Single Directory operation completed.\n");
  EXPECT_EQ(result.ExitStatus, 0);
}

TEST_F(TreeExample, Type6WritesBothListsOneAfterTheOther) {
  const CliResult result = RunIn(tree, {"--type", "6"});
  const std::vector<std::string> expected = {
      "Kavendrift Double Tree List Program Report - <stamp>",
      " ",
      " Section 1 -- NewFile = new",
      " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)",
      " SUMMARY - New-Dirs = 2 New-Files = 3 OPTIONS = None",
      "   1  ..0 new/ (12)  (Files = 2)",
      "   2  ...1 /chg.txt (3)",
      "   3  ...1 /same.txt (4)",
      "   4  ...1 /sub (5)  (Files = 1)",
      "   5  ....2 /in.txt (5)",
      " ",
      " Section 2 -- OldFile = old",
      " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)",
      " SUMMARY - Old-Dirs = 2 Old-Files = 3 OPTIONS = None",
      "   1  ..0 old/ (14)  (Files = 2)",
      "   2  ...1 /chg.txt (3)",
      "   3  ...1 /same.txt (4)",
      "   4  ...1 /gone (7)  (Files = 1)",
      "   5  ....2 /x.txt (7)",
  };
  EXPECT_EQ(WithoutStamp(result.Out), Joined(expected));
  EXPECT_EQ(result.ExitStatus, 0);
}

const std::vector<std::string> kTotals = {
    "       6 Total Files Processed.",
    "       2 New/Old (Matched Names) Files Processed.",
    "       1 New/Old (Matched Names) Files Changed.",
    "       1 New Single Files Inserted.",
    "       1 Old Single Files Deleted.",
    "       2 Sub-level Directories Processed.",
    "       0 (New/Old) Sub-level Dir had Matched Names.",
    "       2 Total Inserted/Deleted Sub-Level Dir Names.",
    "       1 New Sub-Level Dir Names Inserted.",
    "       1 Old Sub-Level Dir Names Deleted.",
};

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(TreeExample, Type2PrintsTheCombinedReportInItsColours) {
  const std::vector<std::string> head = {
      " ",
      " Kavendrift Combined Directory and File Report - <stamp>",
      " New Dir = new ",
      " Old Dir = old ",
      " S-D   Lvl  S-F    Dir/File-Name        (Size)    (#Files)",
      " ---   ---  ---    -------------        ------    --------",
      " (*) .  0      new / old  (12 - 14)  (Files = 2 - 2)",
      "     ..  1  (*) chg.txt  (3 - 3)",
      "     ..  1      same.txt  (4)",
      " (-) ..  1      gone  (7)  (Files = 1)",
      " (+) ..  1      sub  (5)  (Files = 1)",
      " ",
      " Status-Dir (S-D)                       Status-File (S-F)",
      " -----------------------------------    ------------------------",
      " ( ) - Unchanged files in paired dir    Blank - Unchanged  file",
      " (*) - Chg/ins/del file in paired dir   (*)   - Changed  file",
      " (+) - Inserted non-paired  dir         (+)   - Inserted file",
      " (-) - Deleted  non-paired dir          (-)   - Deleted  file",
      "  ",
      " Kavendrift FINAL SUMMARY TOTALS  ",
      " New Dir = new ",
      " Old Dir = old ",
  };
  const std::vector<std::string> tail = {
      " OPTIONS = None",
      " Kavendrift found changes in the Sub-level Directories and files checked.",
  };
  const std::vector<std::string> plain = Concat(Concat(head, kTotals), tail);

  const CliResult result = RunIn(tree, {"-t", "2"});
  EXPECT_EQ(WithoutStamp(result.Out), Joined(plain));
  EXPECT_EQ(result.Err, " Graphical list tree of Changes Completed.\n");
  EXPECT_EQ(result.ExitStatus, 1);

  std::vector<std::string> colored = plain;
  const std::string blue = "\x1b[34m", red = "\x1b[91m", reset = "\x1b[0m";
  for (std::size_t row : {std::size_t{2}, std::size_t{20}, std::size_t{10}})
    colored[row] = blue + colored[row] + reset;
  for (std::size_t row : {std::size_t{3}, std::size_t{21}, std::size_t{9}, colored.size() - 1}) {
    colored[row] = red + colored[row] + reset;
  }
  const CliResult inColor = RunIn(tree, {"-t", "2", "--color=always"});
  EXPECT_EQ(WithoutStamp(inColor.Out), Joined(colored));
}

// The side-by-side text pads its rows to 131 columns; the tests compare without the pad.
std::string TrimmedLines(const std::string& text) {
  std::string trimmed;
  for (std::string line : Lines(text)) {
    line.erase(line.find_last_not_of(' ') + 1);
    trimmed += line + "\n";
  }
  return trimmed;
}

TEST_F(TreeExample, Type2WithLsbsPrintsTheSideBySideText) {
  const CliResult result = RunIn(tree, {"-t", "2", "-o", "Lsbs"});
  // The rows and the summary below them are laid out on lines of the full width.
  const std::vector<std::string> lines = Lines(result.Out);
  ASSERT_GT(lines.size(), 6u);
  for (std::size_t i = 6; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 131u) << lines[i];
  const std::vector<std::string> head = {
      "",
      "Kavendrift \"Insert/Delete\" Side-By-Side Report - <stamp>",
      "",
      "NewFile = new",
      "OldFile = old",
      "Ref#  Codes ...Lvl#  New Directory/File-Name (Accum-Dir Size/Chg-File Sizes)",
      "   1         .1 new/  (12 - 14)        1         .1 old/  (14)",
      "   2  * -    .. 2 /chg.txt  (3 - 3)    2  * -    .. 2 /chg.txt",
      "   3         .. 2 /same.txt            3         .. 2 /same.txt",
      "   4  ID-    ..2 /sub  (5 - 7)         4  DD-    ..2 /gone  (7)",
      "   5  I -    ... 3 /in.txt             5  D -    ... 3 /x.txt",
      " Codes : File-Codes (Blank - Equal, * - Changed, I - Inserted, D - Deleted",
      "         Dir-Codes  (Blank - Same-Sub-Name, ID- Inserted-New-Sub-Name, DD - "
      "Deleted-Old-Sub-Name)",
      "",
      " Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT",
      " New Dir = new",
      " Old Dir = old",
  };
  const std::vector<std::string> tail = {
      " OPTIONS = Lsbs",
      " Kavendrift found changes in the Sub-level Directories and files checked.",
  };
  EXPECT_EQ(WithoutStamp(TrimmedLines(result.Out)), Joined(Concat(Concat(head, kTotals), tail)));
  EXPECT_EQ(result.Err,
            "Kavendrift found changes in the Sub-level Directories and files checked.\n");
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST_F(TreeExample, Type2WithLsbsAndOvsoPrintsTheStackedSummary) {
  const CliResult result = RunIn(tree, {"-t", "2", "-o", "lsbs ovso"});
  const std::vector<std::string> head = {
      "Kavendrift Double-Stacked Compare Report",
      "",
      " Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT  <stamp>",
      " New Dir = new",
      " Old Dir = old",
  };
  const std::vector<std::string> tail = {
      " OPTIONS = Ovso Lsbs",
      " Kavendrift found changes in the Sub-level Directories and files checked.",
  };
  EXPECT_EQ(WithoutStamp(TrimmedLines(result.Out)), Joined(Concat(Concat(head, kTotals), tail)));
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST(CliTree, EqualTreesExitZeroAndAFailedComparisonExitsTwo) {
  TempTree tree;
  tree.File("new/d/f", "same");
  tree.File("old/d/f", "same");
  const CliResult equal = RunIn(tree, {"-t", "2"});
  EXPECT_EQ(Lines(equal.Out).back(),
            " Kavendrift found \"no\" changes in the Sub-level Directories and files checked.");
  EXPECT_EQ(equal.ExitStatus, 0);

  tree.Fifo("new/d/pipe");
  tree.File("old/d/pipe", "");  // equal sizes, other stamps: the FIFO's bytes would be needed
  const CliResult failed = RunIn(tree, {"-t", "2"});
  EXPECT_EQ(failed.ExitStatus, 2);
}

TEST(CliTree, ListingNeedsNoOldDirectoryButComparingDoes) {
  TempTree tree;
  tree.File("new/a", "a");
  const CliResult list = RunCli({"-t", "5", "new"}, {}, tree.Root());
  EXPECT_EQ(list.ExitStatus, 0);
  EXPECT_EQ(Lines(list.Out).size(), 3u);

  const CliResult compare = RunCli({"-t", "2", "new"}, {}, tree.Root());
  EXPECT_EQ(compare.Out, "");
  EXPECT_EQ(compare.Err, "The Old Input Directory must be specified. It is currently blank\n");
  EXPECT_EQ(compare.ExitStatus, 2);
}

}  // namespace
}  // namespace kav::test
