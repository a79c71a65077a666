#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/RunState.h"
#include "ui/viewers/logic/StoredGeometry.h"

namespace kav {

inline constexpr std::string_view NoSpanDownMessage =
    "No more \"Change Spans\" found in the downward direction.";
inline constexpr std::string_view NoSpanUpMessage =
    "No more \"Change Spans\" found in the upward direction.";
inline constexpr std::string_view TextNotFoundMessage = "Text Not Found";

// Change-span navigation over the report lines. `selected` is the selected row or -1. Each
// returns the row to select, or -1 when there is no further span (the caller then shows the
// matching message and keeps the selection). Downward stops on a span's first row, upward on
// its last; a row whose code is blank or a header ("New", "Old", "Ref") reopens the search to
// any kind of change, and a span of the kind the search started on is skipped.
int NextChangeSpanDown(const StringList& lines, int selected);
int NextChangeSpanUp(const StringList& lines, int selected);

// One "Find Next": where the selection goes and whether the text was found.
struct FindOutcome {
  int Selected = -1;
  bool Found = false;
};

// Looks for `text` without regard to case in the rows as displayed (number prefix included),
// from the row after the selected one downward, or from the row before it upward, without
// wrapping. With no selection an upward search first selects row 1. An empty store finds
// nothing. On a miss the selection stays (Found false).
FindOutcome FindRowText(const RunState& state, std::string_view text, int selected, bool down);

// The stored geometry and font sizes to apply when the viewer opens, in the order they are
// applied: nothing at all when the stored print font size is empty, and nothing from the
// first value that is not a number on.
struct SingleViewerRestore : StoredBox {
  std::optional<int> PrintFontSize;
  std::optional<int> ListFontSize;
};
SingleViewerRestore PlanSingleViewerRestore(const RunState& state);

// Keeps the viewer's font sizes (2 characters each) and top, height and width (3 characters
// each, so 1024 is kept as "102") in the run state for the settings file.
void StoreSingleViewerGeometry(RunState& state, std::string_view listFontSize,
                               std::string_view printFontSize, int top, int height, int width);

// The window caption: " Kavendrift Compare Program Report - " + StartStamp.
std::string SingleViewerCaption(const RunState& state);
// The list header: the type 5 column heading, else the caption.
std::string SingleViewerHeader(const RunState& state);

// The length in characters of the longest displayed row, for the list's scroll width.
std::size_t WidestRowLength(const RunState& state);

}  // namespace kav
