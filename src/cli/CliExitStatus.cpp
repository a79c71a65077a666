#include "cli/CliExitStatus.h"

namespace kav::cli {

int ExitStatusOf(const RunState& state, const RunOutcome& outcome) {
  if (outcome.CliRefused || outcome.MessageCount > 0 || !state.IoFailures.empty()) {
    return ExitTrouble;
  }
  switch (state.FinalVerdict) {
    case Verdict::Equal:
      // Spnm or Chgo can leave the verdict "equivalent" while names were inserted or deleted.
      return state.InsertedCount > 0 || state.DeletedCount > 0 ? ExitDifferent : ExitEqual;
    case Verdict::Different:
    case Verdict::InsertedDeleted:
      return ExitDifferent;
    case Verdict::Listed:
      return ExitEqual;
    case Verdict::None:  // refused, not validated, or a single-level run without a verdict
    case Verdict::Warning:
    case Verdict::ErrorOpen:
    case Verdict::ErrorTooLarge:
    case Verdict::Halted:
    case Verdict::Abnormal:
      break;
  }
  return ExitTrouble;
}

}  // namespace kav::cli
