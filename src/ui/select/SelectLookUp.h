#pragma once

#include "core/RunContext.h"
#include "ui/select/SelectControls.h"

namespace kav::ui {

// The directory look-up of both selection windows: keeps the main directories as the entry
// texts, offers those that exist to the dialog (the New one also as the list's directory),
// and on Return makes the chosen directories the run's; Cancel leaves them as they were.
// Without a look-up function nothing happens.
void LookUpDirectories(RunContext& ctx, const DirLookUpFunction& lookUp, QWidget* window);

}  // namespace kav::ui
