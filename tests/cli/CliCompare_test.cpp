// kavdrift-cli runs of the single-level compare (type 1): whole report, status and exit.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "CliRunner.h"
#include "support/TempTree.h"

namespace kav::test {
namespace {

// New {a, c} and Old {b, c}: a inserted (3 bytes), b deleted (2 bytes), c equal (4 bytes).
class InsertDeleteExample : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.File("new/a", "aaa");
    tree.File("new/c", "same");
    tree.File("old/b", "bb");
    tree.File("old/c", "same");
  }

  std::vector<std::string> ExpectedRows() const {
    return {
        " New Dir = " + tree.Path("new") + " ",
        " Old Dir = " + tree.Path("old") + " ",
        " Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS "
        "SECTION",
        "  ",
        " Ref# Code New-Fi-Name                New-Size Old-Size ",
        "   1  I -  a                                 3 ",
        "   2  D -  b                                          2 ",
        "   3       c                                 4        4 ",
        "  ",
        "   File Codes:  *      - Files are not equal.",
        "             : \"Blank\" - Files are equal.",
        "             : I       - New-File-Inserted (Absent from Old Dir and Not Processed).",
        "             : D       - Old-File-Deleted  (Absent from New Dir and Not Processed).",
        "  ",
        "       1 Total File(s) Processed as Binary Paired Files.",
        "       0 Total File(s) Processed had Changes.",
        "       1 Total File(s) Processed as Equal Time-Date-Len Equivalent.",
        "  ",
        " Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
        "         4 New Bin Size Processed               4 Old Bin File Size Processed",
        "         3 New Bin Size Not-Processed           2 Old Bin File Size Not-Processed",
        "  ",
        " OPTIONS = None",
        " INFORM01: The processed directories have files inserted/deleted.",
    };
  }

  TempTree tree;
};

TEST_F(InsertDeleteExample, PrintsTheNumberedSummaryAndExitsWithDifferences) {
  const CliResult result = RunCli({tree.Path("new"), tree.Path("old")});
  EXPECT_EQ(result.Out, Joined(ExpectedRows()));
  EXPECT_EQ(result.Err, "INFORM01: The processed directories have files inserted/deleted.\n");
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST_F(InsertDeleteExample, ColorAlwaysWrapsColouredRowsInAnsiCodes) {
  const CliResult result = RunCli({"--color", "always", tree.Path("new"), tree.Path("old")});
  std::vector<std::string> rows = ExpectedRows();
  const std::string blue = "\x1b[34m", red = "\x1b[91m", green = "\x1b[32m", reset = "\x1b[0m";
  rows[0] = blue + rows[0] + reset;
  rows[1] = red + rows[1] + reset;
  rows[2] = blue + rows[2] + reset;
  rows[6] = blue + rows[6] + reset;
  rows[5] = green + rows[5] + reset;
  rows[18] = blue + rows[18] + reset;
  rows[22] = blue + rows[22] + reset;
  EXPECT_EQ(result.Out, Joined(rows));
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST_F(InsertDeleteExample, ColorNeverAndAutoIntoAFileStayPlain) {
  for (const char* when : {"never", "auto"}) {
    const CliResult result = RunCli({"--color", when, tree.Path("new"), tree.Path("old")});
    EXPECT_EQ(result.Out, Joined(ExpectedRows())) << when;
  }
}

TEST_F(InsertDeleteExample, SpnmKeepsTheVerdictEquivalentButStillExitsWithDifferences) {
  const CliResult result = RunCli({"-o", "spnm", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> rows = Lines(result.Out);
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.back(), " INFORM01: The processed files compare as equivalent files. ");
  EXPECT_EQ(rows[rows.size() - 2], " OPTIONS = Spnm ");
  EXPECT_EQ(result.ExitStatus, 1);
}

TEST(CliCompare, EqualDirectoriesExitZero) {
  TempTree tree;
  tree.File("new/x.txt", "same");
  tree.File("old/X.TXT", "same");
  const CliResult result = RunCli({"-t", "1", "-o", "Veqf", tree.Path("new"), tree.Path("old")});
  const std::vector<std::string> expected = {
      " New Dir = " + tree.Path("new") + " ",
      " Old Dir = " + tree.Path("old") + " ",
      " Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS "
      "SECTION",
      "  ",
      " Ref# Code New-Fi-Name                New-Size Old-Size ",
      "   1       x.txt                             4        4 ",
      "  ",
      "   File Codes:  *      - Files are not equal.",
      "             : \"Blank\" - Files are equal.",
      "             : I       - New-File-Inserted (Absent from Old Dir and Not Processed).",
      "             : D       - Old-File-Deleted  (Absent from New Dir and Not Processed).",
      "  ",
      "       1 Total File(s) Processed as Binary Paired Files.",
      "       0 Total File(s) Processed had Changes.",
      "  ",
      " Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ",
      "         4 New Bin Size Processed               4 Old Bin File Size Processed",
      "         0 New Bin Size Not-Processed           0 Old Bin File Size Not-Processed",
      "  ",
      " OPTIONS = Veqf ",
      " INFORM01: The processed files compare as equivalent files. ",
  };
  EXPECT_EQ(result.Out, Joined(expected));
  EXPECT_EQ(result.Err, "INFORM01: The processed files compare as equivalent files. \n");
  EXPECT_EQ(result.ExitStatus, 0);
}

// A child waiting to write into a FIFO: any open of the FIFO for reading lets it go on.
class BlockedWriter {
 public:
  explicit BlockedWriter(const std::string& fifo) : pid_(fork()) {
    if (pid_ == 0) _exit(open(fifo.c_str(), O_WRONLY) >= 0 ? 0 : 1);
    for (int tries = 0; tries < 200 && Waiting() != "fifo_open"; ++tries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  ~BlockedWriter() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  bool StillBlocked() {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return waitpid(pid_, nullptr, WNOHANG) == 0;
  }

 private:
  std::string Waiting() const {
    std::string where;
    std::ifstream("/proc/" + std::to_string(pid_) + "/wchan") >> where;
    return where;
  }
  pid_t pid_;
};

TEST(CliCompare, ChangedFileExitsOneAndUnreadableFileExitsTwo) {
  TempTree tree;
  tree.File("new/x.txt", "abcd");
  tree.File("old/x.txt", "abce", TempTree::DefaultTime + 60);
  const CliResult changed = RunCli({tree.Path("new"), tree.Path("old")});
  EXPECT_EQ(Lines(changed.Out).back(),
            " INFORM01: The processed files have differences            .");
  EXPECT_EQ(changed.ExitStatus, 1);

  tree.Fifo("new/y.txt");
  tree.File("old/y.txt", "");  // equal sizes, other stamps: the FIFO's bytes would be needed
  BlockedWriter writer(tree.Path("new/y.txt"));
  const CliResult failed = RunCli({tree.Path("new"), tree.Path("old")});
  EXPECT_EQ(Lines(failed.Out).back(),
            " ERROR: Kavendri encountered an I/O problem opening an Input File.");
  EXPECT_EQ(failed.ExitStatus, 2);
  EXPECT_TRUE(writer.StillBlocked()) << "the FIFO was opened";
}

TEST(CliCompare, ValidationMessagesGoToStandardErrorWithExitTwo) {
  TempTree tree;
  tree.Dir("old");
  const CliResult missing = RunCli({tree.Path("missing"), tree.Path("old")});
  EXPECT_EQ(missing.Out, "");
  EXPECT_EQ(missing.Err, "Invalid New Input File Directory Name specified.\n");
  EXPECT_EQ(missing.ExitStatus, 2);

  const CliResult noOld = RunCli({tree.Path("old")});
  EXPECT_EQ(noOld.Out, "");
  EXPECT_EQ(noOld.Err, "The Old Input Directory must be specified. It is currently blank\n");
  EXPECT_EQ(noOld.ExitStatus, 2);
}

TEST(CliCompare, PrecheckMessageKeepsItsLineBreaks) {
  TempTree tree;
  tree.Dir("new/sub");
  tree.File("old/a", "a");
  const CliResult result = RunCli({tree.Path("new"), tree.Path("old")});
  EXPECT_EQ(result.Out, "");
  EXPECT_EQ(result.Err, "New Input Directory (" + tree.Path("new") +
                            ") has no individual files.\n"
                            "Compare Type 1 does not extend beyond a single subdirectory level. "
                            "Try Compare Type 2.\n");
  EXPECT_EQ(result.ExitStatus, 2);
}

}  // namespace
}  // namespace kav::test
