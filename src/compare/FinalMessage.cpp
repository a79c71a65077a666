#include "compare/FinalMessage.h"

#include "text/Format.h"

namespace kav {
namespace {

std::string Choose(const RunTotals& totals, bool haltRequested) {
  if (haltRequested) return "INFORM01: The User requested a premature program stop. ";
  if (totals.OpenError) return "ERROR: Kavendri encountered an I/O problem opening an Input File.";
  if (totals.TooLarge) {
    return "ERROR: An Input File GT 2 GB. Use Kavendrixt for partial 2GB compare";
  }
  if (totals.MaxReturnCode > DiffReturnCode) {
    return "WARN01: One or more files had processing errors. ";
  }
  if (totals.MaxReturnCode < DiffReturnCode) {
    return "INFORM01: The processed files compare as equivalent files. ";
  }
  if (totals.ChangedCount == 0 && totals.NewBytesNotProcessed != totals.OldBytesNotProcessed) {
    return "INFORM01: The processed directories have files inserted/deleted.";
  }
  return "INFORM01: The processed files have differences            .";
}

}  // namespace

std::string SelectFinalMessage(const RunTotals& totals, bool haltRequested) {
  return Cut(Choose(totals, haltRequested), 70);
}

}  // namespace kav
