#include "cli/CliExitStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kav::cli {
namespace {

struct SingleLevelCase {
  const char* Name;
  std::string Verdict;  // last report line; empty for no report at all
  int Inserted;
  int Deleted;
  int Expected;
};

TEST(ExitStatusOf, SingleLevelFollowsTheVerdictAndTheNameCounts) {
  const std::vector<SingleLevelCase> cases = {
      {"equal", "INFORM01: The processed files compare as equivalent files. ", 0, 0, 0},
      {"equal verdict, inserted", "INFORM01: The processed files compare as equivalent files. ", 2,
       0, 1},
      {"equal verdict, deleted", "INFORM01: The processed files compare as equivalent files. ", 0,
       1, 1},
      {"differences", "INFORM01: The processed files have differences            .", 0, 0, 1},
      {"inserted/deleted", "INFORM01: The processed directories have files inserted/deleted.", 1, 1,
       1},
      {"open error", "ERROR: Kavendri encountered an I/O problem opening an Input File.", 0, 0, 2},
      {"too large", "ERROR: An Input File GT 2 GB. Use Kavendrixt for partial 2GB compare", 0, 0,
       2},
      {"warning", "WARN01: One or more files had processing errors. ", 0, 0, 2},
      {"no verdict", "OPTIONS = None", 0, 0, 2},
      {"no report", "", 0, 0, 2},
  };
  for (int type : {1, 3, 4}) {
    for (const SingleLevelCase& c : cases) {
      RunState state;
      state.RunValidated = true;
      if (!c.Verdict.empty()) state.ReportLines = {"New Dir = /n/ ", c.Verdict};
      state.InsertedCount = c.Inserted;
      state.DeletedCount = c.Deleted;
      EXPECT_EQ(ExitStatusOf(state, {type, 0, false, c.Verdict}), c.Expected)
          << c.Name << ", type " << type;
    }
  }
}

TEST(ExitStatusOf, TroubleOutranksAnyVerdict) {
  RunState equal;
  equal.RunValidated = true;
  equal.ReportLines = {"INFORM01: The processed files compare as equivalent files. "};
  EXPECT_EQ(ExitStatusOf(equal, {1, 0, false, "x"}), 0);
  EXPECT_EQ(ExitStatusOf(equal, {1, 1, false, "x"}), 2) << "a message box";
  EXPECT_EQ(ExitStatusOf(equal, {3, 0, true, "x"}), 2) << "a refused selection";
  EXPECT_EQ(ExitStatusOf(equal, {1, 0, false,
                                 "Abnormal termination. Check with vendor for problem analysis."}),
            2);
  equal.HaltRequested = true;
  EXPECT_EQ(ExitStatusOf(equal, {1, 0, false, "x"}), 2) << "halted";
  EXPECT_EQ(ExitStatusOf(equal, {5, 0, false, "x"}), 2) << "halted";
  equal.HaltRequested = false;
  equal.RunValidated = false;
  EXPECT_EQ(ExitStatusOf(equal, {6, 0, false, ""}), 2) << "not validated";
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
    EXPECT_EQ(ExitStatusOf(state, {2, 0, false, ""}), expected);
    // Listing runs never report differences.
    EXPECT_EQ(ExitStatusOf(state, {5, 0, false, ""}), 0);
    EXPECT_EQ(ExitStatusOf(state, {6, 0, false, ""}), 0);
  }
}

TEST(ExitStatusOf, AnUnreadableDirectoryMakesEveryTreeRunIncomplete) {
  RunState state;
  state.RunValidated = true;
  state.Totals.UnreadableDirs = 1;
  for (int type : {2, 5, 6}) EXPECT_EQ(ExitStatusOf(state, {type, 0, false, ""}), 2) << type;
}

}  // namespace
}  // namespace kav::cli
