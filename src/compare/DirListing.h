#pragma once

#include <string>
#include <string_view>

#include "core/RunState.h"
#include "platform/FileSystem.h"

namespace kav {

// The directory text and a bare name joined with one '/'.
std::string JoinPath(std::string_view dir, std::string_view name);

// True for the entries a one-level compare lists: every file that is not a directory. FIFOs,
// sockets, devices and dangling links are listed too; opening them later fails.
bool IsPlainFileEntry(const DirEntry& entry);

// Appends the plain files of one directory level to `names` (lower-cased) and `diskNames`
// (as on disk), in the order the system lists them, and, when given, the on-disk names of
// those that are not regular files to `specialDiskNames` (sorted). No list is emptied first.
// Returns 0, or the listing's error (an errno value; ECANCELED when `poll` stopped it), and
// then appends nothing.
int ListDirectoryFiles(const FileSystem& fs, const std::string& dir, StringList& names,
                       StringList& diskNames, const ListPoll& poll = {},
                       StringList* specialDiskNames = nullptr);

}  // namespace kav
