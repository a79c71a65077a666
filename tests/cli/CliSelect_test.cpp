// kavdrift-cli runs of the selection types: --select (type 3) and --pair (type 4).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

TEST(CliSelect, SelectedNamesAreComparedInTheOrderGiven) {
  TempTree tree;
  tree.File("new/a.txt", "111");
  tree.File("new/B.txt", "22");
  tree.File("new/c.txt", "c");
  tree.File("old/a.txt", "111");
  tree.File("old/b.TXT", "23", TempTree::DefaultTime + 60);
  tree.File("old/d.txt", "d");
  const CliResult result = RunCli(
      {"-t", "3", "--select", "B.TXT", "--select", "a.txt", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> expected = {
      " New Dir = " + tree.Path("new") + " ",
      " Old Dir = " + tree.Path("old") + " ",
      " Kavendrift GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION",
      "  ",
      " Ref# Code New/Old-Fi-Name            New-Size Old-Size ",
      "   1  *    b.txt                             2        2 ",
      "   2       a.txt                             3        3 ",
      "  ",
      "   File Codes:  *      - Files are not equal.",
      "             : \"Blank\" - Files are equal.",
      "  ",
      "       2 Total File(s) Processed as Binary Paired Files.",
      "       1 Total File(s) Processed had Changes.",
      "       1 Total File(s) Processed as Equal Time-Date-Len Equivalent.",
      "  ",
      " Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
      "         5 New Bin Size Processed               5 Old Bin File Size Processed",
      "  ",
      " OPTIONS = None",
      "  USER SELECT FROM LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (3)",
      "   b.txt",
      "   a.txt",
      " INFORM01: The processed files have differences            .",
  };
  EXPECT_EQ(result.Out, Joined(expected));
  EXPECT_EQ(result.Err, "INFORM01: The processed files have differences            .\n");
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST(CliSelect, PairsWithDifferentNamesAreCompared) {
  TempTree tree;
  tree.File("new/report.txt", "abc");
  tree.File("new/Other.txt", "o");
  tree.File("old/REPORT_old.txt", "abc", TempTree::DefaultTime + 60);
  const CliResult result = RunCli(
      {"--type=4", "--pair", "report.txt : report_old.txt", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> expected = {
      " New Dir = " + tree.Path("new") + " ",
      " Old Dir = " + tree.Path("old") + " ",
      " Kavendrift GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION",
      "  ",
      " Ref# Code New-Fi-Name                Old-Fi-Name                New-Size Old-Size ",
      "   1       report.txt                 report_old.txt                    3        3 ",
      "  ",
      "   File Codes:  *      - Files are not equal.",
      "             : \"Blank\" - Files are equal.",
      "  ",
      "       1 Total File(s) Processed as Binary Paired Files.",
      "       0 Total File(s) Processed had Changes.",
      "       0 Total File(s) Processed as Equal Time-Date-Len Equivalent.",
      "  ",
      " Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
      "         3 New Bin Size Processed               3 Old Bin File Size Processed",
      "  ",
      " OPTIONS = None",
      "  USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (4)",
      "   report.txt  :  report_old.txt",
      " INFORM01: The processed files compare as equivalent files. ",
  };
  EXPECT_EQ(result.Out, Joined(expected));
  EXPECT_EQ(result.ExitStatus, 0);
}

TEST(CliSelect, SamePairTwiceIsComparedTwice) {
  TempTree tree;
  tree.File("new/n", "1");
  tree.File("old/o", "2", TempTree::DefaultTime + 60);
  const CliResult result =
      RunCli({"-t", "4", "--pair", "n : o", "--pair", "n : o", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> rows = Lines(result.Out);
  ASSERT_GE(rows.size(), 7u);
  EXPECT_EQ(rows[5],
            "   1  *    n                          o                                 1        1 ");
  EXPECT_EQ(rows[6],
            "   2  *    n                          o                                 1        1 ");
  EXPECT_EQ(result.ExitStatus, 1);
}

// Without blanks around the colon every character of both names is kept: "abc:xold" must not
// become the pair "ab"/"old", which exists too and is equal.
TEST(CliSelect, PairWithoutBlanksKeepsWholeNames) {
  TempTree tree;
  tree.File("new/abc", "1");
  tree.File("new/ab", "same");
  tree.File("old/xold", "2", TempTree::DefaultTime + 60);
  tree.File("old/old", "same");
  const CliResult result =
      RunCli({"-t", "4", "--pair", "abc:xold", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> rows = Lines(result.Out);
  ASSERT_GE(rows.size(), 6u);
  EXPECT_EQ(rows[5],
            "   1  *    abc                        xold                              1        1 ");
  EXPECT_EQ(rows.back(), " INFORM01: The processed files have differences            .");
  EXPECT_EQ(result.ExitStatus, 1);
}

struct Refusal {
  const char* Name;
  std::vector<std::string> Files;  // "new/..." or "old/..."; a trailing '/' makes a directory
  std::vector<std::string> Args;   // before the two directories
  std::string Err;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Refusal& c, std::ostream* out) {
  *out << c.Name;
}

class CliSelectRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliSelectRefusal, PrintsTheMessageAndExitsTwo) {
  TempTree tree;
  tree.Dir("new");
  tree.Dir("old");
  for (const std::string& file : GetParam().Files) {
    if (file.back() == '/') {
      tree.Dir(file);
    } else {
      tree.File(file, "x");
    }
  }
  std::vector<std::string> args = GetParam().Args;
  args.push_back(tree.Path("new"));
  args.push_back(tree.Path("old"));
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, GetParam().Err);
  EXPECT_EQ(result.ExitStatus, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, CliSelectRefusal,
    ::testing::Values(
        Refusal{"NoCommonName",
                {"new/a", "old/b"},
                {"-t", "3", "--select", "a"},
                "New and Old Input File Directories have no common named files. \n"
                " Respecify Directories or use a different filter mask.\n"},
        Refusal{"NoSelect",
                {"new/a", "old/a"},
                {"-t", "3"},
                "No paired filenames have been selected.\n"
                "Highlight one or more Like Named Paired File and repeat.\n"},
        Refusal{"SelectNotInBoth",
                {"new/a", "old/a", "new/b"},
                {"-t", "3", "--select", "a", "--select", "b"},
                "kavdrift-cli: --select 'b': no file of that name in both directories\n"},
        Refusal{"SelectDirectory",
                {"new/a", "old/a", "new/d/", "old/d/"},
                {"-t", "3", "--select", "d"},
                "kavdrift-cli: --select 'd': no file of that name in both directories\n"},
        Refusal{"NewSideEmpty",
                {"new/sub/", "old/a"},
                {"-t", "4", "--pair", "a : a"},
                "New Input File Directory has no files to compare. \n"
                " Respecify the New Directory Name or use a different filter mask.\n"},
        Refusal{"BothSidesEmpty",
                {},
                {"-t", "4"},
                "New Input File Directory has no files to compare. \n"
                " Respecify the New Directory Name or use a different filter mask.\n"
                "Old Input File Directory has no files to compare. \n"
                " Respecify the Old Directory Name or use a different filter mask.\n"},
        Refusal{"NoPair",
                {"new/a", "old/b"},
                {"-t", "4"},
                "No paired filenames have been selected.\n"
                "Highlight one or more Like Named Paired Files,\n"
                " and \"Select New-Old Pair\" button to transfer components to \"Selected "
                "List\".\n"},
        Refusal{"PairWithoutColon",
                {"new/a", "old/b"},
                {"-t", "4", "--pair", "a"},
                "kavdrift-cli: --pair 'a': expected \"new-name : old-name\"\n"},
        Refusal{"PairOldMissing",
                {"new/a", "old/b"},
                {"-t", "4", "--pair", "a : c"},
                "kavdrift-cli: --pair 'a : c': no file 'c' in the Old directory\n"}),
    [](const auto& param) { return param.param.Name; });

}  // namespace
}  // namespace kav::test
