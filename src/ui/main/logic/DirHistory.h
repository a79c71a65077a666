#pragma once

#include <string>
#include <string_view>

#include "core/RunState.h"
#include "platform/FileSystem.h"

namespace kav {

// What a history accepts: the main panel's combos take an existing file or directory, the
// directory select page's combos an existing directory only.
enum class HistoryAccepts { FileOrDirectory, DirectoryOnly };

// True when `path` names something the history accepts.
bool HistoryAcceptsPath(const FileSystem& fs, std::string_view path, HistoryAccepts accepts);

// The directory history rule for an accepted path: most recent first, never two entries that
// are equal without regard to case. The path goes to the top as typed (its case is kept, as
// it may be opened again); an entry equal to it further down, or one at the top spelt with a
// different case, is removed. Returns false when the list was already right.
bool AddToDirHistory(StringList& history, std::string_view path);

// Index of the first entry equal to `text` without regard to case, or -1.
int FindInHistory(const StringList& history, std::string_view text);

}  // namespace kav
