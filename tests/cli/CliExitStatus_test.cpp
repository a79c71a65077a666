#include "cli/CliExitStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kav::cli {
namespace {

struct SingleLevelCase {
  const char* Name;
  Verdict Final;  // None for a run that left no verdict
  int Inserted;
  int Deleted;
  int Expected;
};

TEST(ExitStatusOf, SingleLevelFollowsTheVerdictAndTheNameCounts) {
  const std::vector<SingleLevelCase> cases = {
      {"equal", Verdict::Equal, 0, 0, 0},
      {"equal verdict, inserted", Verdict::Equal, 2, 0, 1},
      {"equal verdict, deleted", Verdict::Equal, 0, 1, 1},
      {"differences", Verdict::Different, 0, 0, 1},
      {"inserted/deleted", Verdict::InsertedDeleted, 1, 1, 1},
      {"open error", Verdict::ErrorOpen, 0, 0, 2},
      {"too large", Verdict::ErrorTooLarge, 0, 0, 2},
      {"warning", Verdict::Warning, 0, 0, 2},
      {"no verdict", Verdict::None, 0, 0, 2},
  };
  for (const SingleLevelCase& c : cases) {
    RunState state;
    state.RunValidated = true;
    state.FinalVerdict = c.Final;
    state.InsertedCount = c.Inserted;
    state.DeletedCount = c.Deleted;
    EXPECT_EQ(ExitStatusOf(state, {0, false}), c.Expected) << c.Name;
  }
}

TEST(ExitStatusOf, TroubleOutranksAnyVerdict) {
  RunState equal;
  equal.RunValidated = true;
  equal.FinalVerdict = Verdict::Equal;
  EXPECT_EQ(ExitStatusOf(equal, {0, false}), 0);
  EXPECT_EQ(ExitStatusOf(equal, {1, false}), 2) << "a message box";
  EXPECT_EQ(ExitStatusOf(equal, {0, true}), 2) << "a refused selection";
  equal.IoFailures.push_back({"/n/a", 13});
  EXPECT_EQ(ExitStatusOf(equal, {0, false}), 2) << "a file not read";
  for (Verdict v : {Verdict::Abnormal, Verdict::Halted}) {
    RunState ended;
    ended.FinalVerdict = v;
    EXPECT_EQ(ExitStatusOf(ended, {0, false}), 2) << static_cast<int>(v);
  }
}

TEST(ExitStatusOf, TreeCompareCountsFailuresChangesInsertsAndDeletes) {
  const std::vector<std::pair<int32_t TreeTotals::*, int>> counters = {
      {&TreeTotals::ChangedFiles, 1}, {&TreeTotals::InsertedFiles, 1},
      {&TreeTotals::DeletedFiles, 1}, {&TreeTotals::InsertedDirs, 1},
      {&TreeTotals::DeletedDirs, 1},  {&TreeTotals::FailedFiles, 2},
      {&TreeTotals::EqualFiles, 0},   {&TreeTotals::PairedDirs, 0},
  };
  for (const auto& [counter, expected] : counters) {
    RunState state;
    state.RunValidated = true;
    state.Totals.*counter = 3;
    state.FinalVerdict = TreeCompareVerdict(state.Totals);
    EXPECT_EQ(ExitStatusOf(state, {0, false}), expected);
    // Listing runs never report differences.
    state.FinalVerdict = TreeListVerdict(state.Totals);
    EXPECT_EQ(ExitStatusOf(state, {0, false}), 0);
  }
}

TEST(ExitStatusOf, AnUnreadableDirectoryMakesEveryTreeRunIncomplete) {
  TreeTotals totals;
  totals.UnreadableDirs = 1;
  for (Verdict v : {TreeCompareVerdict(totals), TreeListVerdict(totals)}) {
    RunState state;
    state.RunValidated = true;
    state.FinalVerdict = v;
    EXPECT_EQ(ExitStatusOf(state, {0, false}), 2) << static_cast<int>(v);
  }
}

}  // namespace
}  // namespace kav::cli
