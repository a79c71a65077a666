#pragma once

#include "core/RunContext.h"

namespace kav {

// The single entry point of the tree engine (types 2, 5 and 6): scans the trees, pairs and
// compares them for type 2, builds the report and opens its viewer, then leaves the closing
// status text. Reads the run-type flags and option flags set by Start.
void RunTreeEngine(RunContext& ctx);

}  // namespace kav
