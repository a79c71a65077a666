#include "cli/CliExitStatus.h"

namespace kav::cli {
namespace {

constexpr std::string_view AbnormalEnd = "Abnormal termination.";

int SingleLevelStatus(const RunState& state) {
  // A pre-check that refused leaves no report; a run always ends with its verdict line.
  if (state.ReportLines.empty()) return ExitTrouble;
  const std::string_view verdict = state.ReportLines.back();
  if (verdict.starts_with("INFORM01: The processed files compare as equivalent files.")) {
    // Spnm or Chgo can leave the verdict "equivalent" while names were inserted or deleted.
    return state.InsertedCount > 0 || state.DeletedCount > 0 ? ExitDifferent : ExitEqual;
  }
  if (verdict.starts_with("INFORM01: The processed files have differences") ||
      verdict.starts_with("INFORM01: The processed directories have files inserted/deleted.")) {
    return ExitDifferent;
  }
  return ExitTrouble;  // ERROR, WARN01, a premature stop, or no verdict at all
}

int TreeCompareStatus(const RunState& state) {
  const TreeTotals& t = state.Totals;
  if (t.FailedFiles > 0 || t.UnreadableDirs > 0) return ExitTrouble;
  const bool anyChange = t.ChangedFiles > 0 || t.InsertedFiles > 0 || t.DeletedFiles > 0 ||
                         t.InsertedDirs > 0 || t.DeletedDirs > 0;
  return anyChange ? ExitDifferent : ExitEqual;
}

}  // namespace

int ExitStatusOf(const RunState& state, const RunOutcome& outcome) {
  if (outcome.CliRefused || outcome.MessageCount > 0 || !state.RunValidated ||
      state.HaltRequested || !state.IoFailures.empty() ||
      outcome.LastStatus.starts_with(AbnormalEnd)) {
    return ExitTrouble;
  }
  switch (outcome.Type) {
    case 1:
    case 3:
    case 4:
      return SingleLevelStatus(state);
    case 2:
      return TreeCompareStatus(state);
    default:
      // A directory that could not be listed leaves the listing incomplete.
      return state.Totals.UnreadableDirs > 0 ? ExitTrouble : ExitEqual;
  }
}

}  // namespace kav::cli
