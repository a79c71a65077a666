#include "compare/FinalMessage.h"

#include "text/Format.h"

namespace kav {

Verdict SelectVerdict(const RunTotals& totals, bool haltRequested) {
  if (haltRequested) return Verdict::Halted;
  if (totals.OpenError) return Verdict::ErrorOpen;
  if (totals.TooLarge) return Verdict::ErrorTooLarge;
  if (totals.MaxReturnCode > DiffReturnCode) return Verdict::Warning;
  if (totals.MaxReturnCode < DiffReturnCode) return Verdict::Equal;
  if (totals.ChangedCount == 0 && totals.NewBytesNotProcessed != totals.OldBytesNotProcessed) {
    return Verdict::InsertedDeleted;
  }
  return Verdict::Different;
}

std::string SelectFinalMessage(const RunTotals& totals, bool haltRequested) {
  return Cut(VerdictText(SelectVerdict(totals, haltRequested)), 70);
}

}  // namespace kav
