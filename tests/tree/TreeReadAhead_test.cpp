// A type 2 merge opens and reads its file pairs ahead on worker threads; what a run shows must
// not change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "platform/FaultyFileSystem.h"
#include "support/ThreadCount.h"
#include "support/TreeRunFixture.h"
#include "tree/TreePairing.h"
#include "tree/TreeScan.h"

namespace kav::test {
namespace {

using Strings = std::vector<std::string>;

struct ReadAheadRun {
  TempTree tree;
  TreeRun run;
  FaultyFileSystem faulty{RealFileSystem()};

  explicit ReadAheadRun(const std::vector<std::pair<std::string, std::size_t>>& files) {
    for (const auto& [name, size] : files) {
      tree.SizedFile("new/" + name, size);
      tree.SizedFile("old/" + name, size);
    }
    run.fs = &faulty;
    run.state.Options.OptVeqf = true;
  }
  void Run() {
    RunContext ctx = run.Context();
    ScanTree(ctx, run.state.NewTreeNodes, DirOf(tree, "new"));
    ScanTree(ctx, run.state.OldTreeNodes, DirOf(tree, "old"));
    PairTrees(ctx);
  }
};

TEST(TreeReadAhead, AReadErrorOnAPairReadAheadBelongsToThatPair) {
  ReadAheadRun r({{"a", 3'000'000}, {"b", 5000}, {"c", 7000}});
  r.faulty.FailReadAt(r.tree.Path("old/b"), 1);
  r.Run();
  EXPECT_EQ(CodesOf(r.run.state.NewTreeLines), (Strings{"   ", "   ", "* -", "   "}));
  ASSERT_EQ(r.run.state.IoFailures.size(), 1u);
  EXPECT_EQ(r.run.state.IoFailures[0].Path, r.tree.Path("old/b"));
  EXPECT_EQ(r.run.state.IoFailures[0].Code, EIO);
  EXPECT_EQ(r.run.state.Totals.FailedFiles, 1);
  EXPECT_EQ(r.run.state.Totals.EqualFiles, 2);
}

TEST(TreeReadAhead, AHaltDuringAConcurrentReadStopsWithinOneBlockAndLeavesNoThread) {
  ReadAheadRun r({{"a", 2'000'000}, {"b", 2'000'000}, {"c", 2'000'000}});
  const std::size_t before = ThreadCountBeforeRun();
  std::size_t most = before;
  int heartbeats = 0;
  int afterHalt = 0;
  r.run.host.onPendingEvents = [&] {
    most = std::max(most, ThreadCount());
    if (r.run.state.HaltRequested) ++afterHalt;
    if (r.run.host.LastStatus() == "Processing node: /a" && ++heartbeats == 3) {
      r.run.state.HaltRequested = true;
    }
  };
  r.Run();
  EXPECT_EQ(afterHalt, 0);  // the next block saw the halt before it was read
  EXPECT_GT(most, before);  // later pairs were read on other threads meanwhile
  EXPECT_EQ(SettledThreadCount(before), before);
  EXPECT_TRUE(r.run.state.IoFailures.empty());  // a halt is no read failure
}

}  // namespace
}  // namespace kav::test
