#pragma once

#include <cstdint>

#include "core/RunContext.h"

namespace kav {

// Combined mode of a type 2 run: merges NewTreeNodes and OldTreeNodes (both scanned) into
// NewTreeLines (the New root, every paired or inserted New record, every deleted Old record,
// in merge order; a paired Old record's facts go into its New partner) and builds the
// directory tree State.CombinedTree (state index 1 paired, 2 paired with a changed, inserted
// or deleted file directly in it, 3 deleted, 4 inserted) and the labels GrNDirNm/GrODirNm.
// Paired files are compared; counters go to State.Totals. Stops at the next poll after a halt.
void PairTrees(RunContext& ctx);

// Side-by-side mode of a type 2 run: merges the two node lists into NewTreeLines and
// OldTreeLines of equal length, paired entries on one row, filler rows where a side has no
// partner. Filtered records (Lmcf, Lchv) become NodeDropped and stay only in the node lists.
// A pair whose comparison failed is shown as changed ("* -", blue) and counted in
// ChangedFiles and FailedFiles.
void PairTreesSideBySide(RunContext& ctx);

// The colour a directory row takes from the row before it in the same tree list: the same
// colour under the same parent, otherwise blue after red and red after anything else.
uint32_t InheritColor(const TreeNode& record, const TreeNode& previous);

}  // namespace kav
