#include <gtest/gtest.h>

#include "platform/FaultyFileSystem.h"
#include "support/DeepTree.h"
#include "support/TreeRunFixture.h"
#include "tree/TreePairing.h"
#include "tree/TreeScan.h"

namespace kav {
namespace {

using test::CodesOf;
using test::DirOf;
using test::NamesOf;
using test::TempTree;
using test::TreeRun;
using Strings = std::vector<std::string>;

// Two trees below one temporary folder, scanned into the node lists and merged.
struct CombinedRun {
  TempTree tree;
  TreeRun run;
  std::string newRoot = "New/base";
  std::string oldRoot = "Old/base";

  CombinedRun() {
    tree.Dir(newRoot);
    tree.Dir(oldRoot);
  }
  void Run() {
    RunContext ctx = run.Context();
    ScanTree(ctx, run.state.NewTreeNodes, DirOf(tree, newRoot));
    ScanTree(ctx, run.state.OldTreeNodes, DirOf(tree, oldRoot));
    PairTrees(ctx);
  }
  const TreeNodeList& Lines() const { return run.state.NewTreeLines; }
  std::vector<int32_t> States() const {
    std::vector<int32_t> states;
    for (const DirViewNode& view : run.state.CombinedTree) states.push_back(view.StateIndex);
    return states;
  }
};

TEST(PairTrees, IdenticalTreesPairEverything) {
  CombinedRun c;
  for (const std::string& root : {c.newRoot, c.oldRoot}) {
    c.tree.File(root + "/a.txt", "aaa");
    c.tree.File(root + "/sub/b.txt", "bb");
    c.tree.File(root + "/sub/deep/c.txt", "c");
  }
  c.Run();
  EXPECT_EQ(NamesOf(c.run.state, c.Lines()),
            (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/a.txt", "/sub", "/sub/b.txt", "/sub/deep",
                     "/sub/deep/c.txt"}));
  EXPECT_EQ(CodesOf(c.Lines()), Strings(6, "   "));
  const TreeTotals& t = c.run.state.Totals;
  EXPECT_EQ(t.PairedDirs, 2);
  EXPECT_EQ(t.EqualFiles, 3);
  EXPECT_EQ(t.ChangedFiles + t.InsertedFiles + t.DeletedFiles + t.InsertedDirs + t.DeletedDirs, 0);
  EXPECT_EQ(c.States(), (std::vector<int32_t>{1, 1, 1}));
  EXPECT_EQ(c.run.state.CombinedTree[0].Title, "base / base");
  EXPECT_EQ(c.run.state.CombinedTree[0].Children, (std::vector<int32_t>{1}));
  EXPECT_EQ(c.run.state.CombinedTree[1].Children, (std::vector<int32_t>{2}));
  EXPECT_EQ(c.run.state.CombinedTree[2].Title, "deep");
  EXPECT_EQ(c.run.state.CombinedTree[2].RowIndex, 4);
}

TEST(PairTrees, MergesChangedAndDeletedEntriesIntoOneList) {
  CombinedRun c;
  c.tree.SizedFile(c.newRoot + "/x.txt", 50);
  c.tree.SizedFile(c.oldRoot + "/x.txt", 50);
  c.tree.SizedFile(c.newRoot + "/y.txt", 120);
  c.tree.SizedFile(c.oldRoot + "/y.txt", 100);
  c.tree.SizedFile(c.oldRoot + "/sub/gone.bin", 7);
  c.Run();
  const TreeNodeList& lines = c.Lines();
  EXPECT_EQ(NamesOf(c.run.state, lines), (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/x.txt",
                                                  "/y.txt", "/sub", "/sub/gone.bin"}));
  EXPECT_EQ(CodesOf(lines), (Strings{"   ", "   ", "* -", "DD-", "D -"}));
  const TreeNode& root = *lines[0];
  EXPECT_EQ(root.HasChanges, 1);
  EXPECT_EQ(root.Size, 170);
  EXPECT_EQ(root.OldSize, 157);
  EXPECT_EQ(root.FileCount, 2);
  EXPECT_EQ(root.OldFileCount, 2);
  EXPECT_EQ(lines[2]->Size, 120);
  EXPECT_EQ(lines[2]->OldSize, 100);
  EXPECT_EQ(lines[3]->HasChanges, 1);  // the deleted directory itself
  EXPECT_EQ(lines[3]->Size, 7);
  EXPECT_EQ(lines[3]->FileCount, 1);
  EXPECT_EQ(c.run.state.GrNDirNm, ToLower(DirOf(c.tree, c.newRoot)));
  EXPECT_EQ(c.run.state.GrODirNm, ToLower(DirOf(c.tree, c.oldRoot)));
  EXPECT_EQ(c.States(), (std::vector<int32_t>{2, 3}));
  EXPECT_EQ(c.run.state.CombinedTree[1].Title, "sub");
  EXPECT_EQ(c.run.state.CombinedTree[1].RowIndex, 3);
  const TreeTotals& t = c.run.state.Totals;
  EXPECT_EQ(t.EqualFiles, 1);
  EXPECT_EQ(t.ChangedFiles, 1);
  EXPECT_EQ(t.DeletedDirs, 1);
  EXPECT_EQ(t.DeletedFiles, 1);
  EXPECT_EQ(t.FailedFiles, 0);
  const Strings& statuses = c.run.host.statuses;
  ASSERT_GE(statuses.size(), 2u);
  EXPECT_EQ(Strings(statuses.end() - 2, statuses.end()),
            (Strings{"Processing node: /x.txt", "Processing node: /y.txt"}));
}

TEST(PairTrees, ANewOnlySubTreeIsInsertedWhole) {
  CombinedRun c;
  c.tree.File(c.newRoot + "/fresh/one", "1");
  c.tree.File(c.newRoot + "/fresh/two", "2");
  c.tree.File(c.newRoot + "/fresh/inner/three", "3");
  c.Run();
  EXPECT_EQ(CodesOf(c.Lines()), (Strings{"   ", "ID-", "I -", "I -", "ID-", "I -"}));
  EXPECT_EQ(c.States(), (std::vector<int32_t>{1, 4, 4}));
  EXPECT_EQ(c.run.state.CombinedTree[2].Parent, 1);
  const TreeTotals& t = c.run.state.Totals;
  EXPECT_EQ(t.InsertedDirs, 2);
  EXPECT_EQ(t.InsertedFiles, 3);
  EXPECT_EQ(c.Lines()[0]->HasChanges, 0);
  EXPECT_EQ(c.Lines()[1]->HasChanges, 1);
}

TEST(PairTrees, AFileNeverPairsWithADirectory) {
  CombinedRun c;
  c.tree.File(c.newRoot + "/x", "file");
  c.tree.File(c.oldRoot + "/X/inner", "dir");
  c.Run();
  EXPECT_EQ(NamesOf(c.run.state, c.Lines()),
            (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/x", "/x", "/x/inner"}));
  EXPECT_EQ(CodesOf(c.Lines()), (Strings{"   ", "I -", "DD-", "D -"}));
  EXPECT_EQ(c.run.state.Totals.PairedDirs, 0);
}

TEST(PairTrees, TwoSpellingsOfOneNamePairTheFirstAndInsertTheOther) {
  CombinedRun c;
  c.tree.File(c.newRoot + "/Same", "1");
  c.tree.File(c.newRoot + "/same", "1");
  c.tree.Dir(c.oldRoot + "/same");
  c.Run();
  EXPECT_EQ(CodesOf(c.Lines()), (Strings{"   ", "I -", "I -", "DD-"}));
}

TEST(PairTrees, ADirectoryWhoseOnlyChangeIsADeletedFileIsMarkedChanged) {
  CombinedRun c;
  c.tree.File(c.newRoot + "/p/s/keep", "k");
  c.tree.File(c.oldRoot + "/p/s/keep", "k");
  c.tree.File(c.oldRoot + "/p/gone", "g");
  c.Run();
  EXPECT_EQ(NamesOf(c.run.state, c.Lines()),
            (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/p", "/p/gone", "/p/s", "/p/s/keep"}));
  EXPECT_EQ(c.Lines()[1]->HasChanges, 1);
  EXPECT_EQ(c.States(), (std::vector<int32_t>{1, 2, 1}));
}

TEST(PairTrees, OnlyMatchedFilesLeavesUnpairedDirectoriesUnlisted) {
  CombinedRun c;
  c.run.state.Options.OptLmcf = true;
  c.tree.File(c.newRoot + "/fresh/one", "1");
  c.tree.File(c.oldRoot + "/stale/two", "2");
  c.Run();
  EXPECT_EQ(NamesOf(c.run.state, c.Lines()),
            (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/fresh/one", "/stale/two"}));
  EXPECT_EQ(CodesOf(c.Lines()), (Strings{"   ", "I -", "D -"}));
  EXPECT_EQ(c.States(), (std::vector<int32_t>{1}));
  EXPECT_EQ(c.run.state.Totals.InsertedDirs, 1);
  EXPECT_EQ(c.run.state.Totals.DeletedDirs, 1);
  EXPECT_EQ(c.run.state.OldTreeNodes[1]->HasChanges, 1);
}

TEST(PairTrees, AFailedComparisonIsChangedAndCounted) {
  CombinedRun c;
  c.tree.File(c.newRoot + "/a", "same");
  c.tree.File(c.oldRoot + "/a", "same");
  c.tree.Fifo(c.newRoot + "/p");
  c.tree.Fifo(c.oldRoot + "/p");
  FaultyFileSystem faulty(RealFileSystem());
  faulty.FailReadAt(c.tree.Path(c.newRoot + "/a"), 1);
  c.run.fs = &faulty;
  c.run.state.Options.OptVeqf = true;
  c.Run();
  EXPECT_EQ(CodesOf(c.Lines()), (Strings{"   ", "* -", "* -"}));
  EXPECT_EQ(c.run.state.Totals.ChangedFiles, 2);
  EXPECT_EQ(c.run.state.Totals.FailedFiles, 2);
  EXPECT_EQ(c.States(), (std::vector<int32_t>{2}));
}

TEST(PairTrees, ComparesTreesBeyondThePathLimitWhole) {
  CombinedRun c;
  test::DeepTree newDeep(c.tree.Path(c.newRoot), 22, 200, "f", "new!", TempTree::DefaultTime);
  test::DeepTree oldDeep(c.tree.Path(c.oldRoot), 22, 200, "f", "old!", TempTree::DefaultTime);
  c.run.state.Options.OptVeqf = true;
  c.Run();
  ASSERT_EQ(c.Lines().size(), 24u);
  EXPECT_EQ(c.Lines().back()->ChangeCode, "* -");
  EXPECT_EQ(c.Lines().back()->Level, 23);
  EXPECT_EQ(c.run.state.Totals.PairedDirs, 22);
  EXPECT_EQ(c.run.state.Totals.FailedFiles, 0);
}

TEST(PairTrees, HaltDuringTheMergeStopsAtTheNextCycle) {
  CombinedRun c;
  for (const std::string& root : {c.newRoot, c.oldRoot}) {
    for (const char* name : {"a", "b", "c", "d"}) c.tree.File(root + "/" + name, name);
  }
  TreeRun& run = c.run;
  run.host.onPendingEvents = [&] {
    if (!run.state.NewTreeLines.empty()) run.state.HaltRequested = true;
  };
  c.Run();
  EXPECT_EQ(NamesOf(c.run.state, c.Lines()), (Strings{ToLower(DirOf(c.tree, c.newRoot)), "/a"}));
  EXPECT_EQ(run.state.Totals.EqualFiles, 1);
}

}  // namespace
}  // namespace kav
