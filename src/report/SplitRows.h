#pragma once

#include <cstdint>
#include <string>

#include "core/RunState.h"

namespace kav {

// The two lists of the split viewers: Left shows NewTreeLines, Right shows OldTreeLines.
enum class SplitSide { Left, Right };

// The displayed text of a row: rows 1 to the side's numbered count - 1 as "%4d  " + Text,
// other rows one blank + Text, a row outside the list the viewer's error row.
std::string SplitRowText(const RunState& state, SplitSide side, int row);

// The colour of a row; writes it into the row's record (coloured printing and saving read it
// there). Outside the list: maroon on the left, green on the right, nothing written.
uint32_t SplitRowColor(RunState& state, SplitSide side, int row);

// Colours every row of both lists, top to bottom. A directory row of a type 6 listing under
// Ldeo takes its colour from the row above it, so colouring in order makes each row's colour
// the same whichever rows a viewer happens to paint first; coloured output relies on it too.
void ColorAllSplitRows(RunState& state);

// MaxRowWidth: the width in columns of the longest displayed row among the left and right
// rows 1 to NewNumberedCount - 1 (0 when there is none).
int32_t LongestSplitRow(const RunState& state);

}  // namespace kav
