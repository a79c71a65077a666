#pragma once

#include <string>

#include "core/RunState.h"

namespace kav {

// The directories a selection window's look-up returned become the run's: the main panel's
// texts (as chosen, case kept) and NewDirName/OldDirName (with their closing '/'; an empty
// text stays empty, naming no directory).
void TakeLookedUpDirectories(RunState& state, const std::string& newDir, const std::string& oldDir);

}  // namespace kav
