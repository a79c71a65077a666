#pragma once

#include "core/RunState.h"

namespace kav::ui {

class TFrmVSingle;

// Shows the report store in the single list viewer under the title "Compare Program Report":
// caption, header line, rows with row 0 selected, the run's New and Old directories (no Old
// one for a New-tree listing), the remembered font sizes and geometry; then shows it modally
// and remembers its font sizes and geometry again. Returns when the viewer closes.
void ShowSingleListReport(RunState& state, TFrmVSingle& viewer);

// Everything ShowSingleListReport does before the modal showing, for callers and tests that
// need the prepared window without a modal loop.
void PrepareSingleListReport(RunState& state, TFrmVSingle& viewer);

}  // namespace kav::ui
