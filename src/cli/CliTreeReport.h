#pragma once

#include <ostream>

#include "core/RunState.h"

namespace kav::cli {

// The report of a finished tree run, as its viewer would show it or its "Save As" would
// write it (State.RunType): type 5 the single list viewer's rows; type 2 the combined report,
// or with Lsbs the side-by-side text (stacked under Ovso); type 6 the two listings' text
// layout.
void WriteTreeReport(RunState& state, std::ostream& out, bool colored);

}  // namespace kav::cli
