#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compare/ResolveNames.h"
#include "ui/select/logic/SelectableFiles.h"

namespace kav {

// One New/Old pair of the type 4 window. The pair keeps its two names apart, so a name that
// holds " : " or ':' is never split inside the window; only a pair read back from the kept
// text is split (SplitPairText, at the first ':').
struct PairEntry {
  std::string New;  // lower-cased, as shown
  std::string Old;
  std::string NewDisk;  // as on disk; empty until the pair is checked against the listings
  std::string OldDisk;
};
using PairList = std::vector<PairEntry>;

// The text the pair list shows and keeps: New name, " : ", Old name.
std::string PairText(const PairEntry& pair);

// The kept pair list (pair texts each followed by ';') as pairs without files yet.
PairList ParsePairSelection(std::string_view text);
std::string PairSelectionText(const PairList& pairs);

// CheckPairs: walking the list from its last pair to its first, a pair whose New name is
// listed in `news` and whose Old name in `olds` (without regard to case) stays and takes those
// files (the same ones when it has them and they are still listed); any other pair leaves.
void CheckPairs(PairList& pairs, const SelectableFiles& news, const SelectableFiles& olds);

// The pairs a compare opens, by their on-disk names, in list order: the pairs whose files are
// both still listed; the others are passed over.
std::vector<SelectedPair> ListedPairs(const PairList& pairs, const SelectableFiles& news,
                                      const SelectableFiles& olds);

// Removes the pairs at `rows` (any order).
void RemovePairRows(PairList& pairs, std::vector<int> rows);

}  // namespace kav
