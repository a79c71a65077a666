#pragma once

#include <string>
#include <vector>

#include "core/RunState.h"
#include "platform/IniFile.h"
#include "ui/main/logic/MainSettings.h"

namespace kav {

// The keys and values of the settings file in their written order. The main combos' current
// texts are left out of their histories (the first entry equal to the text without regard to
// case is dropped), so a directory is stored once; the directory select lists are written
// whole. History entries are numbered from 0; the kept selections are written only when not
// empty; every other key always, an empty text as "Key=".
std::vector<IniKeyValue> SettingsEntries(const MainSettings& settings, const RunState& state);

// Writes the settings file at `path` safely (the old file stays whole if anything fails),
// creating its folder when needed. Returns an empty text on success, else the reason.
std::string SaveSettingsFile(const std::string& path, const MainSettings& settings,
                             const RunState& state);

}  // namespace kav
