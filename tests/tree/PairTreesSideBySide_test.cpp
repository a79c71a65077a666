#include <gtest/gtest.h>

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

struct SplitRun {
  TempTree tree;
  TreeRun run;

  SplitRun() {
    tree.Dir("New/base");
    tree.Dir("Old/base");
    run.state.StartStamp = "12345678901234";
  }
  void Run() {
    RunContext ctx = run.Context();
    ScanTree(ctx, run.state.NewTreeNodes, DirOf(tree, "New/base"));
    ScanTree(ctx, run.state.OldTreeNodes, DirOf(tree, "Old/base"));
    PairTreesSideBySide(ctx);
  }
  const TreeNodeList& Left() const { return run.state.NewTreeLines; }
  const TreeNodeList& Right() const { return run.state.OldTreeLines; }
};

std::vector<int32_t> KindsOf(const TreeNodeList& list) {
  std::vector<int32_t> kinds;
  for (const TreeNode* node : list) kinds.push_back(node->Kind);
  return kinds;
}

std::vector<uint32_t> ColorsOf(const TreeNodeList& list) {
  std::vector<uint32_t> colors;
  for (const TreeNode* node : list) colors.push_back(node->Color);
  return colors;
}

TEST(PairTreesSideBySide, LinesPairedEntriesUpRowByRow) {
  SplitRun s;
  s.tree.SizedFile("New/base/x.txt", 120);
  s.tree.SizedFile("Old/base/x.txt", 100);
  s.tree.SizedFile("New/base/sub/a.bin", 5);
  s.run.state.StartStamp = "1234567890123456";  // longer than a stamp gets: the title is cut
  s.Run();
  ASSERT_EQ(s.Left().size(), 5u);
  ASSERT_EQ(s.Right().size(), 5u);
  EXPECT_EQ(s.Left()[0]->Text,
            "Kavendrift New Directory (Inserts) Left-Split Report  12345678901234");
  EXPECT_EQ(s.Right()[0]->Text, "Kavendrift Old Directory (Deletes) Right-Split Report  ");
  EXPECT_EQ(KindsOf(s.Left()),
            (std::vector<int32_t>{NodeHdr, NodeDir, NodeFile, NodeDir, NodeFile}));
  EXPECT_EQ(KindsOf(s.Right()),
            (std::vector<int32_t>{NodeHdr, NodeDir, NodeFile, NodeFiller, NodeFiller}));
  EXPECT_EQ(NamesOf(s.run.state, s.Left()).back(), "/sub/a.bin");
  EXPECT_EQ(NamesOf(s.run.state, s.Right()).back(), "   ");
  EXPECT_EQ(CodesOf(s.Left()), (Strings{"", "   ", "* -", "ID-", "I -"}));
  EXPECT_EQ(CodesOf(s.Right()), (Strings{"", "   ", "* -", "   ", "   "}));
  EXPECT_EQ(ColorsOf(s.Left()),
            (std::vector<uint32_t>{ColorBlack, ColorRed, ColorBlue, ColorRed, ColorGreen}));
  EXPECT_EQ(ColorsOf(s.Right()),
            (std::vector<uint32_t>{ColorBlack, ColorRed, ColorBlue, ColorBlack, ColorBlack}));
  const TreeTotals& t = s.run.state.Totals;
  EXPECT_EQ(t.ChangedFiles, 1);
  EXPECT_EQ(t.InsertedDirs, 1);
  EXPECT_EQ(t.InsertedFiles, 1);
}

TEST(PairTreesSideBySide, FillsTheOldSideBeforeTheNextPair) {
  SplitRun s;
  for (const char* name : {"one", "two", "three"}) {
    s.tree.File(std::string("New/base/a/") + name, name);
  }
  s.tree.Dir("New/base/b");
  s.tree.Dir("Old/base/b");
  s.Run();
  EXPECT_EQ(KindsOf(s.Right()), (std::vector<int32_t>{NodeHdr, NodeDir, NodeFiller, NodeFiller,
                                                      NodeFiller, NodeFiller, NodeDir}));
  EXPECT_EQ(NamesOf(s.run.state, s.Left()).back(), "/b");
  EXPECT_EQ(NamesOf(s.run.state, s.Right()).back(), "/b");
  EXPECT_EQ(s.run.state.Totals.PairedDirs, 1);
}

TEST(PairTreesSideBySide, OverallSummaryOnlyLeavesBothListsEmpty) {
  SplitRun s;
  s.run.state.Options.OptOvso = true;
  s.tree.File("New/base/x", "1");
  s.tree.File("Old/base/y", "2");
  s.Run();
  EXPECT_TRUE(s.Left().empty());
  EXPECT_TRUE(s.Right().empty());
  EXPECT_EQ(s.run.state.Totals.InsertedFiles, 1);
  EXPECT_EQ(s.run.state.Totals.DeletedFiles, 1);
}

TEST(PairTreesSideBySide, AFailedComparisonIsShownAsChanged) {
  SplitRun s;
  s.run.state.Options.OptVeqf = true;  // the bytes of a FIFO are needed, and never read
  s.tree.Fifo("New/base/pipe");
  s.tree.Fifo("Old/base/pipe");
  s.Run();
  ASSERT_EQ(s.Left().size(), 3u);
  EXPECT_EQ(s.Left()[2]->ChangeCode, "* -");
  EXPECT_EQ(s.Right()[2]->ChangeCode, "* -");
  EXPECT_EQ(s.Left()[2]->Color, ColorBlue);
  EXPECT_EQ(s.Right()[2]->Color, ColorBlue);
  EXPECT_EQ(s.run.state.Totals.ChangedFiles, 1);
  EXPECT_EQ(s.run.state.Totals.EqualFiles, 0);
  EXPECT_EQ(s.run.state.Totals.FailedFiles, 1);
}

TEST(PairTreesSideBySide, ChangesOnlyDropsEqualPairsAndUnpairedFiles) {
  SplitRun s;
  s.run.state.Options.OptLchv = true;
  s.tree.File("New/base/equal", "same");
  s.tree.File("Old/base/equal", "same");
  s.tree.File("New/base/grown", "longer");
  s.tree.File("Old/base/grown", "short");
  s.tree.File("New/base/fresh/inside", "n");
  s.tree.File("Old/base/kept/gone", "o");
  s.tree.Dir("New/base/kept");
  s.Run();
  const std::string newRoot = ToLower(DirOf(s.tree, "New/base"));
  const std::string oldRoot = ToLower(DirOf(s.tree, "Old/base"));
  EXPECT_EQ(NamesOf(s.run.state, s.Left()),
            (Strings{s.Left()[0]->Text, newRoot, "/grown", "/fresh"}));
  EXPECT_EQ(NamesOf(s.run.state, s.Right()),
            (Strings{s.Right()[0]->Text, oldRoot, "/grown", "   "}));
  const TreeNodeList& news = s.run.state.NewTreeNodes;
  const TreeNodeList& olds = s.run.state.OldTreeNodes;
  EXPECT_EQ(NamesOf(s.run.state, news)[4], "/fresh/inside");
  EXPECT_EQ(news[4]->Kind, NodeDropped);
  EXPECT_EQ(NamesOf(s.run.state, olds)[4], "/kept/gone");
  EXPECT_EQ(olds[4]->Kind, NodeDropped);
  const TreeTotals& t = s.run.state.Totals;
  EXPECT_EQ(t.EqualFiles, 1);
  EXPECT_EQ(t.ChangedFiles, 1);
  EXPECT_EQ(t.PairedDirs, 1);
  EXPECT_EQ(t.InsertedFiles, 1);
  EXPECT_EQ(t.DeletedFiles, 1);
}

TEST(PairTreesSideBySide, OnlyMatchedFilesDropsUnpairedDirectories) {
  SplitRun s;
  s.run.state.Options.OptLmcf = true;
  s.tree.File("New/base/fresh/inside", "n");
  s.tree.File("Old/base/stale/gone", "o");
  s.Run();
  EXPECT_EQ(s.Left().size(), 2u);  // the header and the root
  EXPECT_EQ(s.Right().size(), 2u);
  EXPECT_EQ(s.run.state.NewTreeNodes[1]->Kind, NodeDropped);
  EXPECT_EQ(s.run.state.OldTreeNodes[1]->Kind, NodeDropped);
  EXPECT_EQ(s.run.state.Totals.InsertedDirs, 1);
  EXPECT_EQ(s.run.state.Totals.DeletedDirs, 1);
}

TEST(InheritColor, FollowsThePreviousRowOrAlternates) {
  struct Case {
    int32_t parent, previousParent;
    uint32_t previousColor, expected;
  };
  const Case cases[] = {
      {3, 3, ColorBlue, ColorBlue}, {3, 3, ColorRed, ColorRed},   {3, 0, ColorRed, ColorBlue},
      {3, 0, ColorBlue, ColorRed},  {3, 0, ColorBlack, ColorRed},
  };
  for (const Case& c : cases) {
    TreeNode record;
    TreeNode previous;
    record.ParentIndex = c.parent;
    previous.ParentIndex = c.previousParent;
    previous.Color = c.previousColor;
    EXPECT_EQ(InheritColor(record, previous), c.expected);
  }
}

}  // namespace
}  // namespace kav
