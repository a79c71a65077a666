#pragma once

#include <string>
#include <string_view>

#include "core/RunContext.h"

namespace kav {

// Builds the combined report of a type 2 run from NewTreeLines and the tree totals into
// State.CombinedReport (coloured lines) and sets State.CombinedReportMark. Rebuilding gives
// the same result; the records are not changed.
void BuildCombinedReport(RunContext& ctx);

// The S-F column text of a change code: "(*)", "(+)", "(-)" or three blanks.
std::string FileStatusText(std::string_view changeCode);

}  // namespace kav
