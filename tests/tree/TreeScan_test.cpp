#include "tree/TreeScan.h"

#include <gtest/gtest.h>

#include "platform/DosTime.h"
#include "platform/FaultyFileSystem.h"
#include "platform/LongPath.h"
#include "support/DeepTree.h"
#include "support/TreeRunFixture.h"
#include "tree/RecordPaths.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

using test::DirOf;
using test::NamesOf;
using test::TempTree;
using test::TreeRun;

TreeNodeList Scan(TreeRun& run, const std::string& root) {
  RunContext ctx = run.Context();
  TreeNodeList list;
  ScanTree(ctx, list, root);
  return list;
}

TEST(ScanTree, EmptyRootGivesOnlyTheRootRecord) {
  TempTree tree;
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(list.size(), 1u);
  const TreeNode& root = *list[0];
  EXPECT_EQ(root.Kind, NodeDir);
  EXPECT_EQ(root.Name, ToLower(DirOf(tree)));
  EXPECT_EQ(IoPath(list, root), DirOf(tree));
  EXPECT_EQ(root.ParentIndex, -1);
  EXPECT_EQ(root.Level, 0);
  EXPECT_EQ(run.state.Totals.TotalDirs, 1);
  EXPECT_EQ(run.state.Totals.TotalFiles, 0);
}

TEST(ScanTree, ListsEachDirectoryThenItsFilesThenItsSubTrees) {
  TempTree tree;
  tree.SizedFile("x.txt", 1200);
  tree.SizedFile("Sub/a.bin", 300);
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(list.size(), 4u);
  const std::string root = ToLower(DirOf(tree));
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{root, "/x.txt", "/sub", "/sub/a.bin"}));
  struct Expected {
    int32_t kind, level, parent, fileCount;
    int64_t size;
  };
  const Expected expected[] = {{NodeDir, 0, -1, 1, 1500},
                               {NodeFile, 1, 0, 0, 1200},
                               {NodeDir, 1, 0, 1, 300},
                               {NodeFile, 2, 2, 0, 300}};
  for (std::size_t k = 0; k < list.size(); ++k) {
    SCOPED_TRACE(list[k]->Name.str());
    EXPECT_EQ(list[k]->Kind, expected[k].kind);
    EXPECT_EQ(list[k]->Level, expected[k].level);
    EXPECT_EQ(list[k]->ParentIndex, expected[k].parent);
    EXPECT_EQ(list[k]->FileCount, expected[k].fileCount);
    EXPECT_EQ(list[k]->Size, expected[k].size);
  }
  RecordPaths lower(list, RecordPaths::Spelling::Lower, RecordPaths::From::Root);
  EXPECT_EQ(lower.Of(*list[3]), root + "sub/a.bin");
  EXPECT_EQ(IoPath(list, *list[3]), DirOf(tree) + "Sub/a.bin");  // opened as spelled on disk
  EXPECT_EQ(list[1]->Date, PackDosTime(TempTree::DefaultTime));
  EXPECT_EQ(list[2]->Date, 0u);
  EXPECT_EQ(run.state.Totals.TotalDirs, 2);
  EXPECT_EQ(run.state.Totals.TotalFiles, 2);
}

TEST(ScanTree, OrdersFilesBeforeDirectoriesEachByLowerCaseBytes) {
  TempTree tree;
  for (const char* name : {"b.txt", "ab", "a_b", "A.txt", "a", "B-"}) tree.File(name, "x");
  for (const char* name : {"Zed", "alpha", "Beta", "al"}) tree.Dir(name);
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  // A prefix sorts first; '-' (2D) < '.' (2E) < '_' (5F) < letters.
  EXPECT_EQ(NamesOf(list),
            (std::vector<std::string>{ToLower(DirOf(tree)), "/a", "/a.txt", "/a_b", "/ab", "/b-",
                                      "/b.txt", "/al", "/alpha", "/beta", "/zed"}));
}

TEST(ScanTree, NamesEqualInLowerCaseAreBothListedInOnDiskOrder) {
  TempTree tree;
  tree.File("foo", "1");
  tree.File("Foo", "22");
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(NamesOf(list)[1], "/foo");
  EXPECT_EQ(NamesOf(list)[2], "/foo");
  EXPECT_EQ(IoPath(list, *list[1]), DirOf(tree) + "Foo");
  EXPECT_EQ(IoPath(list, *list[2]), DirOf(tree) + "foo");
  EXPECT_EQ(list[0]->Size, 3);
}

TEST(ScanTree, WalksDepthFirstWithHiddenEntries) {
  TempTree tree;
  tree.File("f", "1");
  tree.File("a/f", "22");
  tree.File("a/b/c/f", "333");
  tree.File("d/.hidden", "4444");
  tree.Dir(".git");
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(NamesOf(list),
            (std::vector<std::string>{ToLower(DirOf(tree)), "/f", "/.git", "/a", "/a/f", "/a/b",
                                      "/a/b/c", "/a/b/c/f", "/d", "/d/.hidden"}));
  for (const TreeNode* node : list) {
    if (node->ParentIndex < 0) continue;
    const TreeNode& parent = *list[static_cast<std::size_t>(node->ParentIndex)];
    EXPECT_EQ(node->Level, parent.Level + 1);
  }
  EXPECT_EQ(list[0]->Size, 10);
  EXPECT_EQ(list[3]->Size, 5);  // /a: its own file and /a/b/c/f
}

TEST(ScanTree, ListDirectoriesOnlyStillCountsEveryFile) {
  TempTree tree;
  tree.SizedFile("x", 10);
  tree.SizedFile("sub/y", 20);
  tree.SizedFile("sub/z", 30);
  TreeRun run;
  run.state.Options.OptLdeo = true;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(NamesOf(list), (std::vector<std::string>{ToLower(DirOf(tree)), "/sub"}));
  EXPECT_EQ(run.state.Totals.TotalFiles, 3);
  EXPECT_EQ(list[0]->Size, 60);
  EXPECT_EQ(list[1]->Size, 50);
  EXPECT_EQ(list[0]->FileCount, 0);
  EXPECT_EQ(list[1]->FileCount, 0);
}

TEST(ScanTree, LinkedDirectoriesAreListedButNeverEntered) {
  TempTree tree;
  TempTree outside;
  outside.File("far.txt", "far away");
  tree.File("sub/a", "1");
  tree.Symlink("..", "sub/up");          // a cycle back to the root
  tree.Symlink(".", "self");             // a cycle onto itself
  tree.Symlink(outside.Root(), "away");  // out of the tree
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{ToLower(DirOf(tree)), "/away", "/self", "/sub",
                                                     "/sub/a", "/sub/up"}));
  for (std::size_t k : {1u, 2u, 5u}) EXPECT_EQ(list[k]->Kind, NodeDir);
  EXPECT_EQ(run.state.Totals.TotalDirs, 5);
  EXPECT_EQ(run.state.Totals.TotalFiles, 1);
}

TEST(ScanTree, FifosAndDanglingLinksAreListedWithoutSize) {
  TempTree tree;
  tree.Fifo("pipe");
  tree.Symlink("missing", "dangling");
  tree.File("plain", "abc");
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(NamesOf(list),
            (std::vector<std::string>{ToLower(DirOf(tree)), "/dangling", "/pipe", "/plain"}));
  EXPECT_EQ(list[1]->NotRegular, 1);
  EXPECT_EQ(list[2]->NotRegular, 1);
  EXPECT_EQ(list[3]->NotRegular, 0);
  EXPECT_EQ(list[2]->Size, 0);
  EXPECT_EQ(list[0]->Size, 3);
}

TEST(ScanTree, SizesBeyondTwoGigabytesAreKeptWhole) {
  TempTree tree;
  test::SparseFile(tree, "big/one", 3221225472);
  test::SparseFile(tree, "big/two", 3221225472);
  TreeRun run;
  TreeNodeList list = Scan(run, DirOf(tree));
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[2]->Size, 3221225472);
  EXPECT_EQ(list[1]->Size, 6442450944);
  EXPECT_EQ(list[0]->Size, 6442450944);
}

TEST(ScanTree, AnUnreadableDirectoryIsListedEmptyAndCounted) {
  TempTree tree;
  tree.File("locked/inside", "1");
  tree.File("open/inside", "22");
  FaultyFileSystem faulty(RealFileSystem());
  faulty.FailList(DirOf(tree) + "locked");
  TreeRun run;
  run.fs = &faulty;
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(NamesOf(list),
            (std::vector<std::string>{ToLower(DirOf(tree)), "/locked", "/open", "/open/inside"}));
  EXPECT_EQ(run.state.Totals.UnreadableDirs, 1);

  faulty.FailList(DirOf(tree));
  TreeRun again;
  again.fs = &faulty;
  EXPECT_EQ(Scan(again, DirOf(tree)).size(), 1u);
  EXPECT_EQ(again.state.Totals.UnreadableDirs, 1);
  EXPECT_EQ(again.state.IoFailures.size(), 1u);
  EXPECT_EQ(again.state.IoFailures[0].Path, DirOf(tree));
  EXPECT_EQ(list[1]->Unlisted, 1);
}

// A halt raised while a large directory is listed stops the listing itself, not only the
// walk once the whole directory has been read.
TEST(ScanTree, AHaltIsSeenWhileALargeDirectoryIsListed) {
  TempTree tree;
  for (int k = 0; k < 3000; ++k) tree.File("f" + std::to_string(k), "");
  FaultyFileSystem counting(RealFileSystem());
  TreeRun run;
  run.fs = &counting;
  run.host.onPendingEvents = [&run] { run.state.HaltRequested = true; };
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(list.size(), 1u);
  EXPECT_EQ(counting.ListedEntries(), 0u);
  EXPECT_EQ(run.host.eventPumps, 1);
  EXPECT_EQ(run.state.Totals.UnreadableDirs, 0);  // halted, not unreadable
  EXPECT_TRUE(run.state.IoFailures.empty());
}

// Long names past the path limit, and a chain of short names deep enough that the walk keeps
// directories on the way (several times over) although no path reaches the limit.
TEST(ScanTree, WalksDeepTreesWhole) {
  struct Case {
    int levels;
    std::size_t nameLength;
  };
  for (const Case c : {Case{24, 200}, Case{70, 3}}) {
    SCOPED_TRACE(c.levels);
    TempTree tree;
    test::DeepTree deep(tree.Root(), c.levels, c.nameLength, "Leaf.BIN", "deep content",
                        TempTree::DefaultTime);
    TreeRun run;
    TreeNodeList list = Scan(run, DirOf(tree));
    ASSERT_EQ(list.size(), c.levels + 2u);  // the root, the directories, the file
    const TreeNode& leaf = *list.back();
    EXPECT_EQ(leaf.Kind, NodeFile);
    EXPECT_EQ(leaf.Level, c.levels + 1);
    EXPECT_EQ(NamesOf(list).back(), ToLower(deep.Relative()));
    EXPECT_EQ(IoPath(list, leaf), tree.Root() + deep.Relative());
    EXPECT_EQ(leaf.Size, 12);
    EXPECT_EQ(list[0]->Size, 12);
    EXPECT_EQ(run.state.Totals.UnreadableDirs, 0);
  }
}

// Each directory of a deep chain is listed below the one before it, not resolved from the
// root again: the directories opened on the way grow with the depth, not with its square.
TEST(ScanTree, OpensAFewDirectoriesPerLevelOfADeepTree) {
  TempTree tree;
  constexpr int Levels = 60;  // paths of up to 15,000 bytes
  test::DeepTree deep(tree.Root(), Levels, 250, "leaf", "x", TempTree::DefaultTime);
  TreeRun run;
  const std::size_t before = ResolvedPiecesOpened();
  const TreeNodeList list = Scan(run, DirOf(tree));
  const std::size_t opened = ResolvedPiecesOpened() - before;
  ASSERT_EQ(list.size(), Levels + 2u);
  EXPECT_EQ(list.back()->Size, 1);
  EXPECT_LE(opened, Levels / 4u) << "directories opened to reach " << Levels << " levels";
}

TEST(ScanTree, LetsEventsRunEvery150FilesAndAtEachDirectoryStart) {
  TempTree tree;
  for (int k = 0; k < 300; ++k) tree.File("f" + std::to_string(k), "");
  TreeRun run;
  Scan(run, DirOf(tree));
  // Once for each of "." and ".." while nothing is counted, then at files 150 and 300; the
  // listing itself lets them run once, at its 256th entry.
  EXPECT_EQ(run.host.eventPumps, 5);
  EXPECT_EQ(run.host.busyToggles, 4);
}

TEST(ScanTree, ShowsEachDirectoryFound) {
  TempTree tree;
  tree.Dir("one/two");
  TreeRun run;
  Scan(run, DirOf(tree));
  EXPECT_EQ(run.host.statuses, (std::vector<std::string>{"Iterating thru Dir Num =2 (/one)",
                                                         "Iterating thru Dir Num =3 (/one/two)"}));
}

TEST(ScanTree, HaltDuringAScanStopsAtTheNextEntry) {
  TempTree tree;
  for (int k = 0; k < 200; ++k) tree.File("f" + std::to_string(k), "1");
  TreeRun run;
  run.host.onPendingEvents = [&] {
    if (run.host.eventPumps == 3) run.state.HaltRequested = true;  // at file 150
  };
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(list.size(), 151u);
  EXPECT_EQ(run.state.Totals.TotalFiles, 150);
  EXPECT_EQ(list[0]->Size, 150);
}

TEST(ScanTree, HaltLeavesDirectoriesNotYetEnumeratedWithoutEntries) {
  TempTree tree;
  for (const char* file : {"a/x", "b/y", "c/z"}) tree.File(file, "1");
  TreeRun run;
  // The root's "." and "..", then one turn per directory found (no file counted yet), then
  // the first turn inside /a.
  run.host.onPendingEvents = [&] {
    if (run.host.eventPumps == 6) run.state.HaltRequested = true;
  };
  TreeNodeList list = Scan(run, DirOf(tree));
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{ToLower(DirOf(tree)), "/a", "/b", "/c"}));
  EXPECT_EQ(run.state.Totals.TotalFiles, 0);
}

TEST(SortChildren, SortsFilesAndDirectoriesSeparatelyByBytesUnlessHalted) {
  TreeNodePool pool;
  auto make = [&](std::string name) {
    TreeNode* node = pool.Add();
    node->Name = std::move(name);
    return node;
  };
  // Files: names sharing their first 16 bytes, a 16-byte name, a name past ASCII.
  const TreeNodeList original = {make("/r/"),
                                 make("abcdefghijklmnop2"),
                                 make("\xc3\xa9"),
                                 make("abcdefghijklmnop"),
                                 make("abcdefghijklmnop1"),
                                 make("b"),
                                 make("z"),
                                 make("c"),
                                 make("cc")};
  TreeNodeList list = original;
  const bool halted = true;
  SortChildren(list, 0, 6, 9, halted);
  EXPECT_EQ(list, original);
  const bool running = false;
  SortChildren(list, 0, 6, 9, running);
  std::vector<std::string> names;
  for (const TreeNode* node : list) names.push_back(node->Name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"/r/", "abcdefghijklmnop", "abcdefghijklmnop1",
                                      "abcdefghijklmnop2", "b", "\xc3\xa9", "c", "cc", "z"}));
}

}  // namespace
}  // namespace kav
