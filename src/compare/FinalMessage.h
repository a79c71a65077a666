#pragma once

#include <string>

#include "compare/CompareRecords.h"

namespace kav {

// The one-line verdict of a compare section (at most 70 characters), chosen from the run's
// totals; the first matching condition wins: halt, open error, too large, processing errors,
// equal, inserted/deleted only, differences.
std::string SelectFinalMessage(const RunTotals& totals, bool haltRequested);

}  // namespace kav
