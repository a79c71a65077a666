#pragma once

#include "core/RunState.h"

namespace kav {

// Sorts NewDirNames and OldDirNames ascending without regard to case (lower-case byte order;
// names equal but for case keep a fixed order by their on-disk spelling), their disk lists
// alongside, and pairs every New name with the first Old name equal to it without regard to
// case. PairedNewNames and PairedOldNames both receive the New name's text; the disk lists
// receive each side's own spelling. Runs in O(n log n).
void PairLikeNames(RunState& state);

// After PairLikeNames: leaves only the unpaired names in NewDirNames and OldDirNames (and their
// disk lists), still ascending: for every pair, the first remaining entry of its name is
// removed from each side. Runs in O(n).
void RemovePairedNames(RunState& state);

// Pads a disk-name list with the names themselves until it is as long as the name list, for
// callers that filled only the names.
void PadDiskNames(const StringList& names, StringList& diskNames);

}  // namespace kav
