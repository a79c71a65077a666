#pragma once

#include <cstdint>
#include <string>

#include "core/RunState.h"

namespace kav {

// The single list viewer's row text for row i of ReportLines: numbered rows as "%4d  " + line
// for SummaryTopLine < i < SummaryTotalsLine, any other row one blank + line, an index outside
// the store the viewer's error row.
std::string SingleRowText(const RunState& state, int row);

// SingleRowText appended to `out`: a writer of many rows builds them in one buffer.
void AppendSingleRowText(const RunState& state, int row, std::string& out);

// The single list viewer's row colour. In a type 5 run the chosen colour is written back into
// the row's TreeNode (coloured printing and saving read it there).
uint32_t SingleRowColor(RunState& state, int row);

}  // namespace kav
