#pragma once

#include <string>

namespace kav {

inline constexpr const char* SettingsFileName = "Kavdrift.ini";
inline constexpr const char* SettingsSection = "Kavdrift";

// Where the settings file lives, decided from plain facts: the program's folder when it can be
// written, else $XDG_CONFIG_HOME (when it is an absolute path), else $HOME/.config. When
// neither variable helps, the program's folder is used anyway (saving will then say why it
// failed). `xdgConfigHome` and `home` may be null.
std::string ChooseSettingsPath(const std::string& programDir, bool programDirWritable,
                               const char* xdgConfigHome, const char* home);

// True for the system's own program folders (/usr/bin, /usr/local/bin, ...). An installed
// program's folder never holds its settings, even where this process may write it (as root).
bool IsSystemProgramFolder(const std::string& folder);

// The same rule on the real system: the folder counts as writable when it is not a system
// program folder and the folder and an existing settings file in it may both be written by
// this process.
std::string SettingsFilePath(const std::string& programDir);

// Creates the folder that will hold `filePath` (and its parents) when it is missing, so that a
// first save into a fresh configuration folder succeeds. Returns false when it cannot.
bool EnsureFolderOf(const std::string& filePath);

// The folder of the running program (from /proc/self/exe), without a trailing '/'; empty
// when it cannot be found.
std::string ProgramFolder();

}  // namespace kav
