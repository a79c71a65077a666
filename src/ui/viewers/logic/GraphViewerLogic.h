#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The narrowest the tree graph viewer opens, in pixels.
inline constexpr int GraphViewerMinimumWidth = 633;

// The stored geometry the tree graph viewer opens with, in the order it is applied: each
// stored text that is not empty sets its value; the first one that is not a number ends the
// restore, keeping what was set before it.
struct GraphRestore {
  std::optional<int> Top;
  std::optional<int> Left;
  std::optional<int> Height;
  std::optional<int> Width;
  std::optional<int> TreeWidth;       // GrTreeView
  std::optional<int> DirNodesHeight;  // GrPanDirNodes
};
GraphRestore PlanGraphRestore(const RunState& state);

// What the viewer leaves behind when it closes, each kept as at most 4 characters.
struct GraphGeometry {
  int ColumnWidth = 0;  // first column of GrListView
  int Top = 0;
  int Left = 0;
  int Height = 0;
  int Width = 0;
  int TreeWidth = 0;
  int DirNodesHeight = 0;
};
void StoreGraphGeometry(RunState& state, const GraphGeometry& geometry);

// The caret position in the shown report of the combined report mark. The mark counts the
// report's text as the builder wrote it (UTF-8 bytes, one line end after each line); the text
// box counts UTF-16 units with one separator between lines. A mark past the text is its end.
long long ReportCaretPosition(const std::vector<ColoredLine>& lines, int64_t mark);

}  // namespace kav
