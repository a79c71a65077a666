#pragma once

#include <string>

#include "core/RunContext.h"

namespace kav {

// The list line of one record of a tree whose root has the depth `rootDepth` (PathDepth of
// the root's path): dots for the record's Level below the root (2 for the root, at most 46),
// its depth counted from the file-system root, its last name component, its size with
// thousands separators, a directory's file count and, when `withDate` and the file has a stamp, its
// date. Cut to 249 characters.
std::string TreeListLine(const TreeNode& record, int rootDepth, bool withDate,
                         const LocaleFacts& locale);

// Type 5: scans the New tree into NewTreeLines, writes the summary line and then each
// record's line into ReportLines and adds a summary record at row 0 of NewTreeLines (the
// records keep their kinds, for the viewer's colours).
void ListNewTree(RunContext& ctx);

// Type 6: scans both trees into NewTreeLines and OldTreeLines, puts each record's line into
// its Text, adds the two summary records at row 0 and sets the split viewer's caption and
// headers and the numbered-row counts.
void ListBothTrees(RunContext& ctx);

}  // namespace kav
