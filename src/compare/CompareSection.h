#pragma once

#include "core/RunContext.h"

namespace kav {

// Compares every pair of PairedNewNames/PairedOldNames (at least one), writes the grouped
// summary and the final verdict line into ReportLines, shows the verdict in the status panel
// and, unless "Bypass show of Report Panel" is checked, opens the viewer. Used by the type 1
// pre-check and by the start buttons of the selection windows (types 3 and 4).
void RunCompareSection(RunContext& ctx);

}  // namespace kav
