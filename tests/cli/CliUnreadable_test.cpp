// kavdrift-cli on things it cannot read: a failing readdir, closedir or read (the fault
// library), and directories and files without read permission (run unprivileged). What could
// not be read is named on standard error, never called inserted, deleted or equal, and the
// exit status is 2.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

namespace kav::test {
namespace {

// Report titles carry the start stamp; trailing blanks (the side-by-side report pads its
// lines) are left out.
std::string Normalized(const std::string& text) {
  static const std::regex trailing(" +\n");
  return std::regex_replace(WithoutStamp(text), trailing, "\n");
}

const std::string Incomplete =
    " Operation incomplete: some files or directories could not be read.\n";

struct Case {
  std::vector<std::string> args;  // "new" and "old" follow
  std::vector<std::pair<std::string, std::string>> env;
  std::vector<std::string> out;
  std::string err;
};

void Check(const TempTree& tree, const Case& c, bool unprivileged) {
  CliSetup setup;
  setup.WorkingDir = tree.Root();
  setup.Env = c.env;
  setup.WithFailSys = !c.env.empty();
  setup.Unprivileged = unprivileged;
  std::vector<std::string> args = c.args;
  args.insert(args.end(), {"new", "old"});
  const CliResult result = RunCli(args, setup);
  const std::string name = c.args[1] + (c.env.empty() ? "" : " " + c.env[0].first);
  EXPECT_EQ(Normalized(result.Out), Joined(c.out)) << name;
  EXPECT_EQ(result.Err, c.err) << name;
  EXPECT_EQ(result.ExitStatus, 2) << name;
}

const std::vector<std::pair<std::string, std::string>> ReaddirFailsInNew = {
    {"FAILSYS_READDIR", "new"}, {"FAILSYS_READDIR_AFTER", "3"}};

TEST(CliUnreadable, ADirectoryThatFailsWhileListedIsNamedAndNothingInItIsJudged) {
  TempTree tree;
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    tree.File("new/" + std::string(name) + ".txt", name);
    tree.File("old/" + std::string(name) + ".txt", name);
  }
  const std::string newFailed = "kavdrift-cli: new: Input/output error\n" + Incomplete;
  const std::vector<std::string> bareNewList = {
      " Single Tree List Summary - Dirs = 1 Files = 0 OPTIONS = None",
      "   1  ..0 new/ (0)  (Files = 0)"};
  const std::vector<std::string> type2 = {
      "",
      " Kavendrift Combined Directory and File Report - <stamp>",
      " New Dir = new",
      " Old Dir = old",
      " Kavendrift FINAL SUMMARY TOTALS",
      "       5 Total Files Processed.",
      "       0 New/Old (Matched Names) Files Processed.",
      "       0 New/Old (Matched Names) Files Changed.",
      "       0 New Single Files Inserted.",
      "       0 Old Single Files Deleted.",
      "       0 Sub-level Directories Processed.",
      "       0 (New/Old) Sub-level Dir had Matched Names.",
      "       0 Total Inserted/Deleted Sub-Level Dir Names.",
      "       0 New Sub-Level Dir Names Inserted.",
      "       0 Old Sub-Level Dir Names Deleted.",
      " OPTIONS = Ovso",
      " Kavendrift could not read some Sub-level Directories or files: results incomplete."};
  const std::vector<std::string> type6 = {"Kavendrift Double Tree List Program Report - <stamp>",
                                          "",
                                          " Section 1 -- NewFile = new",
                                          " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)",
                                          " SUMMARY - New-Dirs = 1 New-Files = 0 OPTIONS = None",
                                          "   1  ..0 new/ (0)  (Files = 0)",
                                          "",
                                          " Section 2 -- OldFile = old",
                                          " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)",
                                          " SUMMARY - Old-Dirs = 1 Old-Files = 5 OPTIONS = None",
                                          "   1  ..0 old/ (5)  (Files = 5)",
                                          "   2  ...1 /a.txt (1)",
                                          "   3  ...1 /b.txt (1)",
                                          "   4  ...1 /c.txt (1)",
                                          "   5  ...1 /d.txt (1)",
                                          "   6  ...1 /e.txt (1)"};
  const Case cases[] = {
      {{"-t", "1"}, ReaddirFailsInNew, {}, newFailed},
      {{"-t", "2", "-o", "Ovso"}, ReaddirFailsInNew, type2, newFailed},
      {{"-t", "5"}, ReaddirFailsInNew, bareNewList, newFailed},
      {{"-t", "6"}, ReaddirFailsInNew, type6, newFailed},
      {{"-t", "5"}, {{"FAILSYS_CLOSEDIR", "new"}}, bareNewList, newFailed},
      {{"-t", "2", "-o", "Veqf,Ovso"},
       {{"FAILSYS_READ", "c.txt"}},
       [&type2] {
         std::vector<std::string> lines = type2;
         lines[5] = "      10 Total Files Processed.";
         lines[6] = "       5 New/Old (Matched Names) Files Processed.";
         lines[7] = "       1 New/Old (Matched Names) Files Changed.";
         lines[15] = " OPTIONS = Veqf Ovso";
         lines[16] = " Kavendrift found changes in the Sub-level Directories and files checked.";
         return lines;
       }(),
       "kavdrift-cli: new/c.txt: Input/output error\n"
       "kavdrift-cli: old/c.txt: Input/output error\n" +
           Incomplete},
  };
  for (const Case& c : cases) Check(tree, c, false);
}

// new/locked and old/sub cannot be listed, new/unread.txt cannot be read: the Old files of
// locked are not deleted, the New file of sub is not inserted, and each is named.
TEST(CliUnreadable, WhatAnUnprivilegedUserCannotReadIsNamedNeverInsertedOrDeleted) {
  TempTree tree;
  OpenToEveryone(tree.Root());
  tree.File("new/same.txt", "same");
  tree.File("old/same.txt", "same");
  tree.File("new/unread.txt", "u");
  tree.File("old/unread.txt", "u");
  tree.Dir("new/locked");
  tree.File("old/locked/x.txt", "1");
  tree.File("new/sub/c.txt", "c");
  tree.Dir("old/sub");
  for (const char* locked : {"new/locked", "old/sub", "new/unread.txt"}) {
    ASSERT_EQ(::chmod(tree.Path(locked).c_str(), 0), 0);
  }
  const std::string dirsFailed =
      "kavdrift-cli: new/locked: Permission denied\n"
      "kavdrift-cli: old/sub: Permission denied\n";
  const Case cases[] = {
      {{"-t", "2", "-o", "Lsbs"},
       {},
       {"",
        "Kavendrift \"Insert/Delete\" Side-By-Side Report - <stamp>",
        "",
        "NewFile = new",
        "OldFile = old",
        "Ref#  Codes ...Lvl#  New Directory/File-Name (Accum-Dir Size/Chg-File Sizes)",
        "   1         .1 new/  (6 - 6)        1         .1 old/  (6)",
        "   2         .. 2 /same.txt          2         .. 2 /same.txt",
        "   3         .. 2 /unread.txt        3         .. 2 /unread.txt",
        "   4         ..2 /locked  (0 - 1)    4         ..2 /locked  (1)",
        "   5         ..2 /sub  (1 - 0)       5         ..2 /sub  (0)",
        " Codes : File-Codes (Blank - Equal, * - Changed, I - Inserted, D - Deleted",
        "         Dir-Codes  (Blank - Same-Sub-Name, ID- Inserted-New-Sub-Name, DD - "
        "Deleted-Old-Sub-Name)",
        "",
        " Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT",
        " New Dir = new",
        " Old Dir = old",
        "       6 Total Files Processed.",
        "       2 New/Old (Matched Names) Files Processed.",
        "       0 New/Old (Matched Names) Files Changed.",
        "       0 New Single Files Inserted.",
        "       0 Old Single Files Deleted.",
        "       2 Sub-level Directories Processed.",
        "       2 (New/Old) Sub-level Dir had Matched Names.",
        "       0 Total Inserted/Deleted Sub-Level Dir Names.",
        "       0 New Sub-Level Dir Names Inserted.",
        "       0 Old Sub-Level Dir Names Deleted.",
        " OPTIONS = Lsbs",
        " Kavendrift could not read some Sub-level Directories or files: results incomplete."},
       dirsFailed + Incomplete},
      {{"-t", "6"},
       {},
       {"Kavendrift Double Tree List Program Report - <stamp>",
        "",
        " Section 1 -- NewFile = new",
        " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)",
        " SUMMARY - New-Dirs = 3 New-Files = 3 OPTIONS = None",
        "   1  ..0 new/ (6)  (Files = 2)",
        "   2  ...1 /same.txt (4)",
        "   3  ...1 /unread.txt (1)",
        "   4  ...1 /locked (0)  (Files = 0)",
        "   5  ...1 /sub (1)  (Files = 1)",
        "   6  ....2 /c.txt (1)",
        "",
        " Section 2 -- OldFile = old",
        " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)",
        " SUMMARY - Old-Dirs = 3 Old-Files = 3 OPTIONS = None",
        "   1  ..0 old/ (6)  (Files = 2)",
        "   2  ...1 /same.txt (4)",
        "   3  ...1 /unread.txt (1)",
        "   4  ...1 /locked (1)  (Files = 1)",
        "   5  ....2 /x.txt (1)",
        "   6  ...1 /sub (0)  (Files = 0)"},
       dirsFailed + Incomplete},
  };
  for (const Case& c : cases) Check(tree, c, true);

  // A New root that cannot be listed is not a directory without files.
  ASSERT_EQ(::chmod(tree.Path("new").c_str(), 0), 0);
  Check(tree, {{"-t", "1"}, {}, {}, "kavdrift-cli: new: Permission denied\n" + Incomplete}, true);
  ::chmod(tree.Path("new").c_str(), 0755);
  ::chmod(tree.Path("new/locked").c_str(), 0755);
  ::chmod(tree.Path("old/sub").c_str(), 0755);
}

// Directories that may be read but not searched: their names are known, their files' sizes
// and stamps are not. Such files are never equal by default, and are named.
TEST(CliUnreadable, FilesWhoseFactsCannotBeReadAreNamedNeverEqual) {
  TempTree tree;
  OpenToEveryone(tree.Root());
  tree.File("new/d/a", "one");
  tree.File("old/d/a", "two22");
  for (const char* dir : {"new/d", "old/d"}) ASSERT_EQ(::chmod(tree.Path(dir).c_str(), 0644), 0);
  const std::string named =
      "kavdrift-cli: new/d/a: Permission denied\n"
      "kavdrift-cli: old/d/a: Permission denied\n" +
      Incomplete;
  Check(tree,
        {{"-t", "2", "-o", "Ovso"},
         {},
         {"", " Kavendrift Combined Directory and File Report - <stamp>", " New Dir = new",
          " Old Dir = old", " Kavendrift FINAL SUMMARY TOTALS", "       2 Total Files Processed.",
          "       1 New/Old (Matched Names) Files Processed.",
          "       1 New/Old (Matched Names) Files Changed.", "       0 New Single Files Inserted.",
          "       0 Old Single Files Deleted.", "       1 Sub-level Directories Processed.",
          "       1 (New/Old) Sub-level Dir had Matched Names.",
          "       0 Total Inserted/Deleted Sub-Level Dir Names.",
          "       0 New Sub-Level Dir Names Inserted.", "       0 Old Sub-Level Dir Names Deleted.",
          " OPTIONS = Ovso",
          " Kavendrift found changes in the Sub-level Directories and files checked."},
         named},
        true);
  for (const char* dir : {"new/d", "old/d"}) ::chmod(tree.Path(dir).c_str(), 0755);
}

}  // namespace
}  // namespace kav::test
