#pragma once

#include "core/Controls.h"
#include "core/RunContext.h"
#include "ui/viewers/ViewerWindows.h"

class QWidget;

namespace kav::ui {

// The viewers of the tree runs, from the windows created at start-up.

// Opens the viewer a tree run ends in, modally, and returns when it closes:
// - Viewer::Graph: the tree graph viewer, filled from the run state, with its stored
//   geometry (top, left, height, width, tree width, directory pane height; the first stored
//   text that is not a number ends the restore), at least 633 pixels wide and with its
//   caption; afterwards its list column width and the six values are kept in the run state.
// - Viewer::VSplit: the vertical split viewer, prepared afresh for this run.
// Viewer::SingleList is not a tree viewer and is ignored here.
void OpenTreeViewer(RunContext& ctx, Viewer viewer, const ViewerWindows& windows);

// The split viewer's controls that a run shows or hides (its legend labels and legend
// button); null for any other control.
QWidget* TreeViewerControl(const ViewerWindows& windows, Control control);

}  // namespace kav::ui
