#include "report/TreeListReport.h"

#include <gtest/gtest.h>

#include "report/TreeNames.h"
#include "support/TreeRunFixture.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

using test::DirOf;
using test::TempTree;
using test::TextsOf;
using test::TreeRun;
using Strings = std::vector<std::string>;

// The root as the lines show it: its depth from the file-system root and its last name.
struct RootFacts {
  int depth;
  std::string name;
};
RootFacts FactsOf(const std::string& root) {
  const std::string lower = ToLower(root);
  return {PathDepth(lower), LastComponent(lower)};
}

std::string Num(int n) {
  return std::to_string(n);
}

TEST(ListNewTree, WritesTheSummaryAndOneLinePerEntry) {
  TempTree tree;
  tree.SizedFile("x.txt", 1200);
  tree.Dir("sub");
  TreeRun run;
  run.state.NewDirName = DirOf(tree);
  RunContext ctx = run.Context();
  ListNewTree(ctx);
  const RootFacts root = FactsOf(DirOf(tree));
  EXPECT_EQ(run.state.ReportLines,
            (Strings{"Single Tree List Summary - Dirs = 2 Files = 1 OPTIONS = None",
                     ".." + Num(root.depth) + " " + root.name + "/ (1,200)  (Files = 1)",
                     "..." + Num(root.depth + 1) + " /x.txt (1,200)",
                     "..." + Num(root.depth + 1) + " /sub (0)  (Files = 0)"}));
  const TreeNodeList& lines = run.state.NewTreeLines;
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0]->Kind, NodeHdr);
  EXPECT_EQ(lines[1]->Kind, NodeDir);
  EXPECT_EQ(lines[2]->Kind, NodeFile);
  EXPECT_EQ(lines[3]->Kind, NodeDir);
  EXPECT_EQ(run.state.SummaryTopLine, 0);
  EXPECT_EQ(run.state.SummaryTotalsLine, 4);
}

TEST(ListNewTree, AnEmptyRootGivesTheSummaryAndTheRootLine) {
  TempTree tree;
  TreeRun run;
  run.state.NewDirName = DirOf(tree);
  RunContext ctx = run.Context();
  ListNewTree(ctx);
  const RootFacts root = FactsOf(DirOf(tree));
  EXPECT_EQ(run.state.ReportLines,
            (Strings{"Single Tree List Summary - Dirs = 1 Files = 0 OPTIONS = None",
                     ".." + Num(root.depth) + " " + root.name + "/ (0)  (Files = 0)"}));
}

TEST(ListNewTree, DirectoriesOnlyStillCountAllFiles) {
  TempTree tree;
  tree.SizedFile("a", 1000);
  tree.SizedFile("Sub/b", 234);
  TreeRun run;
  run.state.NewDirName = DirOf(tree);
  run.state.Options.OptLdeo = true;
  RunContext ctx = run.Context();
  ListNewTree(ctx);
  const RootFacts root = FactsOf(DirOf(tree));
  EXPECT_EQ(run.state.ReportLines,
            (Strings{"Single Tree List Summary - Dirs = 2 Files = 2 OPTIONS = Ldeo",
                     ".." + Num(root.depth) + " " + root.name + "/ (1,234)  (Files = 0)",
                     "..." + Num(root.depth + 1) + " /sub (234)  (Files = 0)"}));
}

// Past a few thousand entries the lines are written by two threads, each into its own half:
// every line still stands in its place.
TEST(ListNewTree, ALargeListingKeepsEveryLineInItsPlace) {
  constexpr int Files = 5000;
  TempTree tree;
  for (int k = 0; k < Files; ++k) tree.File("f" + std::to_string(10000 + k), k % 7 == 0 ? "x" : "");
  TreeRun run;
  run.state.NewDirName = DirOf(tree);
  RunContext ctx = run.Context();
  ListNewTree(ctx);
  const RootFacts root = FactsOf(DirOf(tree));
  Strings expected = {"Single Tree List Summary - Dirs = 1 Files = 5000 OPTIONS = None",
                      ".." + Num(root.depth) + " " + root.name + "/ (715)  (Files = 5000)"};
  for (int k = 0; k < Files; ++k) {
    expected.push_back("..." + Num(root.depth + 1) + " /f" + Num(10000 + k) +
                       (k % 7 == 0 ? " (1)" : " (0)"));
  }
  EXPECT_EQ(run.state.ReportLines, expected);
  EXPECT_EQ(run.state.NewTreeLines.size(), expected.size());
}

TEST(ListNewTree, DatesFollowFilesUnderItdt) {
  TempTree tree;
  tree.File("dated", "12345", TempTree::LocalTime(2024, 1, 5, 13, 5, 0));
  TreeRun run;
  run.state.NewDirName = DirOf(tree);
  run.state.Options.OptItdt = true;
  RunContext ctx = run.Context();
  ListNewTree(ctx);
  ASSERT_EQ(run.state.ReportLines.size(), 3u);
  const RootFacts root = FactsOf(DirOf(tree));
  EXPECT_EQ(run.state.ReportLines[2], "..." + Num(root.depth + 1) + " /dated (5)  (01/05/2024)");
}

TEST(TreeListLine, PrintsRealSizesWithTheLocaleSeparator) {
  TreeNode file;
  file.Kind = NodeFile;
  file.Name = "big.iso";
  file.Level = 1;
  file.Size = 3221225472;
  LocaleFacts locale;
  EXPECT_EQ(TreeListLine(file, PathDepth("/top/base/"), false, locale),
            "...3 /big.iso (3,221,225,472)");
  locale.ThousandsSeparator = ".";
  EXPECT_EQ(TreeListLine(file, PathDepth("/top/base/"), false, locale),
            "...3 /big.iso (3.221.225.472)");
}

TEST(TreeListLine, TheFileSystemRootHasDepthZero) {
  TreeNode root;
  root.Kind = NodeDir;
  root.Name = "/";
  TreeNode entry;
  entry.Kind = NodeDir;
  entry.Name = "usr";
  entry.Level = 1;
  LocaleFacts locale;
  EXPECT_EQ(TreeListLine(root, PathDepth("/"), false, locale), "..0 / (0)  (Files = 0)");
  EXPECT_EQ(TreeListLine(entry, PathDepth("/"), false, locale), "...1 /usr (0)  (Files = 0)");
}

TEST(TreeListLine, DotsStopAt46AndLinesAt249Characters) {
  TreeNode deep;
  deep.Kind = NodeFile;
  deep.Name = std::string(240, 'n');
  deep.Level = 61;
  LocaleFacts locale;
  const std::string line = TreeListLine(deep, PathDepth("/r/"), false, locale);
  EXPECT_EQ(line.substr(0, 49), std::string(46, '.') + "62 ");
  EXPECT_EQ(line.size(), 249u);
  EXPECT_EQ(line.substr(49, 3), "/nn");
}

TEST(TreeListLine, ControlCharactersInNamesCannotBreakALine) {
  TreeNode odd;
  odd.Kind = NodeFile;
  odd.Name = "a\nb\tc";
  odd.Level = 1;
  LocaleFacts locale;
  EXPECT_EQ(TreeListLine(odd, PathDepth("/r/"), false, locale), "...2 /a?b?c (0)");
}

TEST(ListBothTrees, ListsEachTreeOnItsOwnWithoutAligning) {
  TempTree tree;
  tree.SizedFile("New/a", 10);
  tree.SizedFile("New/b", 20);
  tree.SizedFile("Old/sub/c", 5);
  TreeRun run;
  run.state.NewDirName = DirOf(tree, "New");
  run.state.OldDirName = DirOf(tree, "Old");
  RunContext ctx = run.Context();
  ListBothTrees(ctx);
  const int depth = FactsOf(DirOf(tree, "New")).depth;
  EXPECT_EQ(TextsOf(run.state.NewTreeLines),
            (Strings{"SUMMARY - New-Dirs = 1 New-Files = 2 OPTIONS = None",
                     ".." + Num(depth) + " new/ (30)  (Files = 2)",
                     "..." + Num(depth + 1) + " /a (10)", "..." + Num(depth + 1) + " /b (20)"}));
  EXPECT_EQ(TextsOf(run.state.OldTreeLines),
            (Strings{"SUMMARY - Old-Dirs = 2 Old-Files = 1 OPTIONS = None",
                     ".." + Num(depth) + " old/ (5)  (Files = 0)",
                     "..." + Num(depth + 1) + " /sub (5)  (Files = 1)",
                     "...." + Num(depth + 2) + " /c (5)"}));
  EXPECT_EQ(run.state.NewNumberedCount, 4);
  EXPECT_EQ(run.state.OldNumberedCount, 4);
  const SplitViewerTexts& split = run.state.Split;
  EXPECT_EQ(split.LeftHeader, " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)");
  EXPECT_EQ(split.RightHeader, " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)");
  EXPECT_TRUE(split.HeadersShown);
  EXPECT_EQ(split.Caption,
            "Kavendrift Extended File Compare/List --  Two Directory Tree List and Sub-level File "
            "Names");
  EXPECT_TRUE(run.state.ReportLines.empty());
}

TEST(ListBothTrees, DirectoriesOnlyChangesHeadersCaptionAndOptions) {
  TempTree tree;
  tree.File("New/a", "1");
  tree.Dir("Old");
  TreeRun run;
  run.state.NewDirName = DirOf(tree, "New");
  run.state.OldDirName = DirOf(tree, "Old");
  run.state.Options.OptLdeo = true;
  RunContext ctx = run.Context();
  ListBothTrees(ctx);
  EXPECT_EQ(run.state.NewTreeLines[0]->Text, "SUMMARY - New-Dirs = 1 New-Files = 1 OPTIONS = Ldeo");
  EXPECT_EQ(run.state.OldTreeLines[0]->Text, "SUMMARY - Old-Dirs = 1 Old-Files = 0 OPTIONS = Ldeo");
  EXPECT_EQ(run.state.NewTreeLines.size(), 2u);
  const SplitViewerTexts& split = run.state.Split;
  EXPECT_EQ(split.LeftHeader, " Ref# ...Lvl# New-Dir-Name (Dir-Total/File Size)");
  EXPECT_EQ(split.RightHeader, " Ref# ...Lvl# Old-Dir-Name (Dir-Total/File Size)");
  EXPECT_EQ(split.Caption, "Kavendrift Extended File Compare/List --  Two Directory Tree List ");
}

}  // namespace
}  // namespace kav
