// The pair loop opens and reads pairs ahead on worker threads; what a run shows must not change.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "run/Dispatcher.h"
#include "support/CompareFixture.h"
#include "support/ThreadCount.h"

namespace kav::test {
namespace {

const char* const PrematureStop = "INFORM01: The User requested a premature program stop. ";

TEST(CompareReadAhead, AHaltDuringAConcurrentReadStopsWithinOneBlockAndLeavesNoThread) {
  CompareFixture f;
  f.state.Panel.PrCkVeqf = true;
  for (const char* name : {"a", "b", "c", "d"}) {
    f.tree.SizedFile(std::string("new/") + name, 2'000'000);
    f.tree.SizedFile(std::string("old/") + name, 2'000'000);
  }
  const std::size_t before = ThreadCountBeforeRun();
  std::size_t most = before;
  const std::string second = "Comparing Data Files Tot Files(4) Current File (1)";
  int pollsInSecond = 0;
  int pollsAfterHalt = 0;
  f.host.onPendingEvents = [&] {
    most = std::max(most, ThreadCount());
    if (f.host.LastStatus() != second) return;
    if (f.state.HaltRequested) ++pollsAfterHalt;
    if (++pollsInSecond == 10) MnButStopClick(f.state);  // while later pairs are read ahead
  };
  RunCompare(f.ctx);
  EXPECT_EQ(f.state.ReportLines, StringList{PrematureStop});
  EXPECT_EQ(pollsAfterHalt, 0);  // the block loop polls once per block
  EXPECT_GT(most, before);       // the files were read on other threads meanwhile
  EXPECT_EQ(SettledThreadCount(before), before);
  EXPECT_TRUE(f.state.IoFailures.empty());
}

TEST(CompareReadAhead, AReadErrorOnAPairReadAheadBelongsToThatPair) {
  CompareFixture f;
  f.state.Panel.PrCkVeqf = true;
  f.tree.SizedFile("new/a", 3'000'000);  // compared while b and c are read ahead
  f.tree.SizedFile("old/a", 3'000'000);
  f.tree.SizedFile("new/b", 5000);
  f.tree.SizedFile("old/b", 5000);
  f.tree.SizedFile("new/c", 7000);
  f.tree.SizedFile("old/c", 7000);
  f.fs.FailReadAt(f.OldFile("b"), 1);
  RunCompare(f.ctx);
  EXPECT_EQ(f.SummaryRows(), (StringList{
                                 "     a                           3000000  3000000 ",
                                 "Err  b                                 0        0 ",
                                 "     c                              7000     7000 ",
                             }));
  ASSERT_EQ(f.state.IoFailures.size(), 1u);
  EXPECT_EQ(f.state.IoFailures[0].Path, f.OldFile("b"));
  EXPECT_EQ(f.state.IoFailures[0].Code, EIO);
  EXPECT_EQ(f.LastLine(), "WARN01: One or more files had processing errors. ");
}

}  // namespace
}  // namespace kav::test
