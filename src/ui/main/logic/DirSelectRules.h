#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"
#include "platform/FileSystem.h"

namespace kav {

// The directory select page and the look-up dialog decide here; their widgets only wire it up.

// True when `text` can be shown in the directory list: an absolute path of an existing
// directory (the place a drive letter and ':' take elsewhere).
bool IsBrowsableDirectory(const FileSystem& fs, std::string_view text);

// What entering the directory select page shows in its list and which of its own histories
// take the text their combo still holds from the last visit.
enum class EntryShows { NewDir, OldDir, ExeDir };
struct DirSelectEntryPlan {
  EntryShows Shows = EntryShows::ExeDir;
  bool RememberDsNew = false;  // DsInDirN's text goes to its history first
  bool RememberDsOld = false;
};
DirSelectEntryPlan PlanDirSelectEntry(bool newBrowsable, bool oldBrowsable);

// The program's own folder (kept without a trailing '/') as the list shows it.
std::string ExeDirShown(std::string_view exeDir);

// The question Return asks before it leaves the page, or nothing when it may leave at once:
// `noWarn` (DsCkNoWarnNoDirChg) set, or both main directories changed since the page was
// entered. Texts are compared exactly, case included.
std::optional<std::string> DirSelectReturnQuestion(bool noWarn, std::string_view entryNew,
                                                   std::string_view entryOld,
                                                   std::string_view nowNew,
                                                   std::string_view nowOld);

// Inserts `path` into an ascending list (without regard to case) unless an entry equal to it
// without regard to case is there already; returns whether it was inserted. The histories of
// the page's own combos are built this way from the settings file.
bool InsertSortedIfNew(StringList& sorted, std::string_view path);
StringList SortedHistory(const StringList& entries);

// The drive selector's entries from the mounted file-system roots: "/" first, then the others
// in ascending order, each once; empty texts are dropped.
StringList DriveRoots(StringList roots);
// The entry of `roots` that holds `path`: the longest root that is `path` or one of its parent
// directories; "/" (or the first root) when none is.
std::string DriveOf(const StringList& roots, std::string_view path);

// A press on the directory list becomes a drag once the mouse has moved this far on either
// axis.
constexpr int DragThreshold = 10;
bool DragStarts(int dx, int dy);

}  // namespace kav
