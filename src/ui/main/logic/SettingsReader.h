#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/RunState.h"
#include "platform/FileSystem.h"
#include "ui/main/logic/MainSettings.h"

namespace kav {

// How far the reading went.
struct SettingsReadOutcome {
  std::size_t LinesUsed = 0;  // lines interpreted before the end or the stop
  bool Stopped = false;       // a malformed line ended the reading
};

// Interprets the section's "key=value" lines in file order. Each line is matched, without
// regard to case, against the keys in their written order ("Key=" for single keys, the bare
// name for the four history families, whose value starts after one index digit and '='); the
// first match decides and lines matching nothing are ignored. A value that cannot be read (a
// position that is not a number) stops the reading at that line: earlier values stay. History
// entries are kept only when the directory exists. The options caption is finished in either
// case. Values go into `settings` and the run state's kept texts.
SettingsReadOutcome ApplySettingsLines(const std::vector<std::string>& lines, const FileSystem& fs,
                                       MainSettings& settings, RunState& state);

// Reads the settings file at `path` into `settings` and `state`; a missing or unreadable file
// leaves both as they were and returns false.
bool LoadSettingsFile(const std::string& path, const FileSystem& fs, MainSettings& settings,
                      RunState& state);

}  // namespace kav
