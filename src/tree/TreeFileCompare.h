#pragma once

#include "core/RunContext.h"

namespace kav {

class TreeReadAhead;

// Results of a tree file comparison.
inline constexpr int CompareEqual = 0;
inline constexpr int CompareDifferent = 1;
inline constexpr int CompareFailed = 2;

// What a paired file needs before anything is read.
enum class FilePairShortcut {
  Failed,        // a side is 2 GB or more, or its bytes are needed and it is not a regular
                 // file (FIFO, socket, device): never opened
  SizesDiffer,   // different without reading
  EqualStamps,   // equal without reading (sizes and packed dates equal, Veqf off), whatever
                 // kind of file the two are
  NeedsReading,  // CompareTreeFiles decides
};
FilePairShortcut DecideFilePairShortcut(const RunState& state, const TreeNode& n,
                                        const TreeNode& o);

// Compares the two files block by block through their on-disk paths (n is a record of
// State.NewTreeNodes, o of State.OldTreeNodes: their paths are built from those lists). Returns
// CompareEqual, CompareDifferent, or CompareFailed when a file cannot be opened, is 2 GB or more, a
// read fails (each cause but the halt named in State.IoFailures), or a halt stops the comparison
// before its end (an unfinished comparison is never "equal"). Every 100th block swaps the busy
// images and lets pending events run; an Old file above 4,000,000 bytes shows "File Progress". With
// `ahead`, the pair is taken as read ahead when it is the one expected next.
int CompareTreeFiles(RunContext& ctx, const TreeNode& n, const TreeNode& o,
                     TreeReadAhead* ahead = nullptr);

// The whole file pair decision: the shortcut, else CompareTreeFiles. A failed comparison is
// counted in State.Totals.FailedFiles and its cause named in State.IoFailures.
int DecideFilePair(RunContext& ctx, const TreeNode& n, const TreeNode& o,
                   TreeReadAhead* ahead = nullptr);

}  // namespace kav
