#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "compare/CompareRecords.h"
#include "core/RunContext.h"

namespace kav {

// The summary's own name order: byte codes compared after turning a-z into A-Z, so '_' sorts
// after the letters (unlike the pairing order). A prefix sorts first.
bool SummaryNameLess(std::string_view a, std::string_view b);

// One entry of a merged list: taken from the list (Added false) or from the added names.
struct MergedEntry {
  bool Added = false;
  std::size_t Index = 0;
};

// The order in which the summary merges `added` (in their order) into `list`: each added name
// goes before the first entry it sorts before (SummaryNameLess), searching from the place of
// the previously added name onwards, or at the end. Linear in the total count.
std::vector<MergedEntry> MergeOrder(const StringList& list, const StringList& added);

// Merges the inserted (NewDirNames) and then the deleted (OldDirNames) names into
// PairedNewNames and FileResults, each with a record carrying the file's size and stamp (0 and
// 0 when it cannot be opened, size 0 for a file of 2 GB or more; "win386.swp" is never opened
// and marked not processed), counts their bytes as not processed and raises MaxReturnCode to at
// least 1. Positions are renumbered.
void MergeUnpairedNames(RunContext& ctx, CompareRecords& records);

}  // namespace kav
