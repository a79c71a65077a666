#pragma once

#include <string>
#include <string_view>

#include "core/RunContext.h"

namespace kav {

// The single entry point of the tree engine (types 2, 5 and 6): scans the trees, pairs and
// compares them for type 2, builds the report and opens its viewer, then leaves the closing
// status text. Reads the run-type flags and option flags set by Start. Resets State.Totals
// first. Opens no viewer when "Bypass show of Report Panel" is checked or a halt was
// requested. The graph viewer restores and stores its own geometry around its opening.
void RunTreeEngine(RunContext& ctx);

// The status text a halted tree run ends with.
inline constexpr std::string_view TreeRunHaltedText =
    " Operation prematurely stopped at user request.";

// The tree graph viewer's caption: "Kavendrift Combined Directory and File Tree View: " and
// the program's version title.
std::string GraphViewerCaption();

}  // namespace kav
