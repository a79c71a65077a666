#pragma once

#include <cstddef>
#include <string>

#include "core/RunContext.h"

namespace kav {

// Walks the tree under `root` (its on-disk spelling, as validated) into the empty `list`, in
// depth-first order: each directory, then its own files, then each sub-directory with its
// whole sub-tree. Records come from State.TreeNodes; Name holds the lower-cased name (the
// root's: its whole path), DiskName the on-disk name when it differs, ParentIndex the index of
// its directory in `list` and Level its depth below the root (0). Directory sizes are the totals of
// their whole sub-trees. Counts go to State.Totals (TotalDirs, TotalFiles, EntryCount; directories
// that could not be listed in UnreadableDirs, marked Unlisted and named in IoFailures). Symbolic
// links to directories are listed as directories but never entered. Stops at the next poll once
// HaltRequested is set (a large directory is polled while it is listed); the directories not yet
// enumerated then stay in the list without their entries.
void ScanTree(RunContext& ctx, TreeNodeList& list, const std::string& root);

// Orders the children of the directory at d in place: its files at d+1 .. f-1, then its
// sub-directories at f .. e-1, each range ascending by Name compared byte by byte (a prefix
// sorts first). Names equal in lower case keep the order of their on-disk spellings. A halt
// requested before a range leaves that range as it is.
void SortChildren(TreeNodeList& list, std::size_t d, std::size_t f, std::size_t e,
                  const bool& haltRequested);

}  // namespace kav
