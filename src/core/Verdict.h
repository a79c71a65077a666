#pragma once

#include <string_view>

#include "core/TreeTotals.h"

namespace kav {

// How a run ended, as a value: the front ends decide on it (kavdrift-cli's exit status) and
// the single-level verdict line is its text. A run that was refused or not validated keeps
// None.
enum class Verdict {
  None,
  Equal,            // nothing different among the processed files
  Different,        // files with differences
  InsertedDeleted,  // single level: no file differs, but files were inserted or deleted
  Listed,           // a list run (types 5 and 6) that listed everything
  Warning,          // some files or directories could not be processed
  ErrorOpen,        // single level: an input file could not be opened
  ErrorTooLarge,    // single level: an input file of 2 GB or more
  Halted,           // stopped at the user's request
  Abnormal,         // ended by an exception
};

// The verdict line of a single-level compare, or the status text of an abnormal end; empty for
// None and Listed, which have no text of their own.
std::string_view VerdictText(Verdict verdict);

// The verdict of a tree compare (type 2) or a tree listing (types 5 and 6) that ran to its end,
// from its counters: Warning when a file pair could not be compared or a directory not listed.
Verdict TreeCompareVerdict(const TreeTotals& totals);
Verdict TreeListVerdict(const TreeTotals& totals);

}  // namespace kav
