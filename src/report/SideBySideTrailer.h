#pragma once

#include <string>

#include "core/RunContext.h"

namespace kav {

// The options line's value of a side-by-side report, never empty: it ends with "Lsbs".
std::string SideBySideOptionsText(const RunState& state);

// Ends the side-by-side report: fixes the numbered row counts, appends the legend rows
// (unless Ovso) and the summary rows as text records (a blank right row beside each left
// one), shows the verdict in the status panel and sets the split viewer's column headers.
void AppendSideBySideTrailer(RunContext& ctx);

}  // namespace kav
