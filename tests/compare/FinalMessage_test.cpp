#include "compare/FinalMessage.h"

#include <gtest/gtest.h>

namespace kav::test {
namespace {

TEST(SelectFinalMessage, FirstMatchingConditionWins) {
  auto totals = [](bool open, bool large, int maxRc, int changed, int64_t newNp, int64_t oldNp) {
    RunTotals t;
    t.OpenError = open;
    t.TooLarge = large;
    t.MaxReturnCode = maxRc;
    t.ChangedCount = changed;
    t.NewBytesNotProcessed = newNp;
    t.OldBytesNotProcessed = oldNp;
    return t;
  };
  struct Case {
    RunTotals t;
    bool halted;
    const char* message;
  } cases[] = {
      {totals(true, true, 2, 1, 0, 0), true,
       "INFORM01: The User requested a premature program stop. "},
      {totals(true, true, 2, 1, 0, 0), false,
       "ERROR: Kavendri encountered an I/O problem opening an Input File."},
      {totals(false, true, 2, 0, 0, 0), false,
       "ERROR: An Input File GT 2 GB. Use Kavendrixt for partial 2GB compare"},
      {totals(false, false, 2, 3, 0, 0), false,
       "WARN01: One or more files had processing errors. "},
      {totals(false, false, 0, 0, 0, 0), false,
       "INFORM01: The processed files compare as equivalent files. "},
      {totals(false, false, 1, 0, 5, 2), false,
       "INFORM01: The processed directories have files inserted/deleted."},
      {totals(false, false, 1, 0, 5, 5), false,
       "INFORM01: The processed files have differences            ."},
      {totals(false, false, 1, 2, 5, 2), false,
       "INFORM01: The processed files have differences            ."},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectFinalMessage(c.t, c.halted), c.message);
  }
}

}  // namespace
}  // namespace kav::test
