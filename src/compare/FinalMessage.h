#pragma once

#include <string>

#include "compare/CompareRecords.h"
#include "core/Verdict.h"

namespace kav {

// The verdict of a compare section, chosen from the run's totals; the first matching condition
// wins: halt, open error, too large, processing errors, equal, inserted/deleted only,
// differences.
Verdict SelectVerdict(const RunTotals& totals, bool haltRequested);

// The verdict's one-line text (at most 70 characters), which ends the report.
std::string SelectFinalMessage(const RunTotals& totals, bool haltRequested);

}  // namespace kav
