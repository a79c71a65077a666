#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/RunState.h"
#include "report/SplitRows.h"

namespace kav {

// The horizontal split viewer shows the split viewer's two record lists stacked: the New
// (left) side in the top list, the Old (right) side in the bottom list.

// The caption: " Kavendrift Compare Program Horizontal Split Report - " and the start stamp.
std::string HSplitCaption(const RunState& state);

// A row's displayed text. Row 0 is the list's title followed by the start stamp, cut to 66
// characters on top and 69 at the bottom; the other rows read as in the vertical viewer.
std::string HSplitRowText(const RunState& state, SplitSide side, int row);

// A row's colour, written into its record. The bottom list colours as the vertical viewer's
// right list. The top list colours as its left list except that, among text rows, only
// "Kavendri" is red ("Old Dir =" is black), and a row outside the list is maroon without
// touching any record.
uint32_t HSplitRowColor(RunState& state, SplitSide side, int row);

// The stored geometry applied when the viewer opens, each only when its text is a number:
// the left edge only when it is smaller than the window's width at that moment.
struct HSplitRestore {
  std::optional<int> Left;
  std::optional<int> Top;
  std::optional<int> Height;
  std::optional<int> Width;
  std::optional<int> SplitterTop;
};
HSplitRestore PlanHSplitRestore(const RunState& state, int currentWidth);

// Keeps left, top, width, height and the splitter's top (4 characters each) in the run state.
void StoreHSplitGeometry(RunState& state, int left, int top, int width, int height,
                         int splitterTop);

}  // namespace kav
