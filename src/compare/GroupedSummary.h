#pragma once

#include "compare/CompareRecords.h"
#include "core/RunContext.h"

namespace kav {

// Writes the grouped summary of a type 1, 3 or 4 run into ReportLines after its last pair:
// the directories, one row per file (a plain type 1 run first merges its inserted and deleted
// names in), the legend, the totals, the options and, for types 3 and 4, the selection. Sets
// SummaryTopLine and SummaryTotalsLine for the viewer. Every line is cut to 132 characters.
void WriteGroupedSummary(RunContext& ctx, CompareRecords& records);

}  // namespace kav
