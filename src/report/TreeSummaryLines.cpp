#include "report/TreeSummaryLines.h"

#include "text/Format.h"

namespace kav {

std::vector<std::string> TreeTotalsLines(const TreeTotals& t) {
  // 64-bit sums: the counters are 32-bit and their sum must not wrap.
  const int64_t allFiles = int64_t{t.NewFileTotal} + t.TotalFiles;
  const int64_t matchedFiles = int64_t{t.EqualFiles} + t.ChangedFiles;
  const int64_t allDirs = int64_t{t.PairedDirs} + t.InsertedDirs + t.DeletedDirs;
  const int64_t singleDirs = int64_t{t.InsertedDirs} + t.DeletedDirs;
  return {
      Format("%7d Total Files Processed.", {allFiles}),
      Format("%7d New/Old (Matched Names) Files Processed.", {matchedFiles}),
      Format("%7d New/Old (Matched Names) Files Changed.", {int64_t{t.ChangedFiles}}),
      Format("%7d New Single Files Inserted.", {int64_t{t.InsertedFiles}}),
      Format("%7d Old Single Files Deleted.", {int64_t{t.DeletedFiles}}),
      Format("%7d Sub-level Directories Processed.", {allDirs}),
      Format("%7d (New/Old) Sub-level Dir had Matched Names.", {int64_t{t.PairedDirs}}),
      Format("%7d Total Inserted/Deleted Sub-Level Dir Names.", {singleDirs}),
      Format("%7d New Sub-Level Dir Names Inserted.", {int64_t{t.InsertedDirs}}),
      Format("%7d Old Sub-Level Dir Names Deleted.", {int64_t{t.DeletedDirs}}),
  };
}

bool TreeChangesFound(const TreeTotals& t) {
  return int64_t{t.InsertedDirs} + t.DeletedDirs + t.InsertedFiles + t.DeletedFiles +
             t.ChangedFiles >
         0;
}

std::string TreeVerdictText(const TreeTotals& totals) {
  if (TreeChangesFound(totals)) {
    return "Kavendrift found changes in the Sub-level Directories and files checked.";
  }
  // "no changes" is a promise about everything; a directory that could not be listed (or a
  // file that could not be read) leaves part of the trees unchecked.
  if (int64_t{totals.UnreadableDirs} + totals.FailedFiles > 0) {
    return "Kavendrift could not read some Sub-level Directories or files: results incomplete.";
  }
  return "Kavendrift found \"no\" changes in the Sub-level Directories and files checked.";
}

}  // namespace kav
