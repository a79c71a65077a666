#include "core/Verdict.h"

namespace kav {

std::string_view VerdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Equal:
      return "INFORM01: The processed files compare as equivalent files. ";
    case Verdict::Different:
      return "INFORM01: The processed files have differences            .";
    case Verdict::InsertedDeleted:
      return "INFORM01: The processed directories have files inserted/deleted.";
    case Verdict::Warning:
      return "WARN01: One or more files had processing errors. ";
    case Verdict::ErrorOpen:
      return "ERROR: Kavendri encountered an I/O problem opening an Input File.";
    case Verdict::ErrorTooLarge:
      return "ERROR: An Input File GT 2 GB. Use Kavendrixt for partial 2GB compare";
    case Verdict::Halted:
      return "INFORM01: The User requested a premature program stop. ";
    case Verdict::Abnormal:
      return "Abnormal termination. Check with vendor for problem analysis.";
    case Verdict::None:
    case Verdict::Listed:
      break;
  }
  return {};
}

Verdict TreeCompareVerdict(const TreeTotals& t) {
  if (t.FailedFiles > 0 || t.UnreadableDirs > 0) return Verdict::Warning;
  const bool anyChange = t.ChangedFiles > 0 || t.InsertedFiles > 0 || t.DeletedFiles > 0 ||
                         t.InsertedDirs > 0 || t.DeletedDirs > 0;
  return anyChange ? Verdict::Different : Verdict::Equal;
}

Verdict TreeListVerdict(const TreeTotals& t) {
  return t.UnreadableDirs > 0 ? Verdict::Warning : Verdict::Listed;
}

}  // namespace kav
