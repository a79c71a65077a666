#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/RunState.h"
#include "report/SplitRows.h"
#include "ui/viewers/logic/SingleListLogic.h"

namespace kav {

// The narrowest the vertical split viewer opens, in pixels.
inline constexpr int SplitViewerMinimumWidth = 653;

// The vertical split viewer's caption: " Kavendrift Compare Program Side-By-Side Report - " and
// the start stamp.
std::string SplitViewerCaption(const RunState& state);

// Whether the two lists keep the same top row: an aligned report (type 2) scrolls as one, the
// two independent listings of a type 6 run do not.
bool SplitListsScrollTogether(const RunState& state);

// The rows To Top and To Btm select in the left and right lists, or nothing when the button
// does nothing: To Top needs a row on both sides, To Btm more than two on both sides.
struct SplitRowPair {
  int Left = -1;
  int Right = -1;
};
std::optional<SplitRowPair> SplitTopRows(int leftCount, int rightCount);
std::optional<SplitRowPair> SplitBottomRows(int leftCount, int rightCount);

// The find text as it is searched: surrounding blanks removed, lower-cased, at most 128
// characters.
std::string SplitFindPattern(std::string_view text);

// A row's displayed text in a split list.
using SplitRowTextFn = std::string (*)(const RunState& state, SplitSide side, int row);

// One "Find Next" over both lists, as `rowText` displays them: from the left list's selected row +
// 1 (down) or - 1 (up), each row's left text tested before its right text (while the right list has
// that row); the first match is the row to select in both lists. Nothing is found in an empty
// left list, and there is no wrap-around. On a miss Selected keeps `leftSelected`.
FindOutcome FindSplitRow(const RunState& state, std::string_view text, int leftSelected, bool down,
                         SplitRowTextFn rowText = SplitRowText);

// The stored font sizes and geometry applied when the viewer is prepared. The font sizes only
// fill the boxes; top, height and width are applied in that order up to the first text that
// is not a number (an empty one included). The width is then raised to the minimum.
struct SplitViewerRestore : StoredBox {
  std::string PrintFontSize;    // empty: the box keeps its text
  std::string DisplayFontSize;  // empty: the box keeps its text
};
SplitViewerRestore PlanSplitViewerRestore(const RunState& state);

// The split viewer's font sizes (2 characters each) and top, height and width (3 characters
// each) kept in the run state for the settings file.
void StoreSplitViewerGeometry(RunState& state, std::string_view printFontSize,
                              std::string_view displayFontSize, int top, int height, int width);

}  // namespace kav
