#include "ui/select/logic/PairList.h"

#include <algorithm>

#include "text/Format.h"
#include "ui/select/logic/SelectionText.h"

namespace kav {
namespace {

// The listed file for a pair's side: its own file while that is listed, else the listed file
// of that name.
const SelectableFile* ListedSide(const SelectableFiles& files, const std::string& name,
                                 const std::string& disk) {
  if (!disk.empty()) {
    const SelectableFile* same = files.Find(disk);
    if (same != nullptr && same->Disk == disk) return same;
  }
  return files.Find(name);
}

}  // namespace

std::string PairText(const PairEntry& pair) {
  return pair.New + " : " + pair.Old;
}

PairList ParsePairSelection(std::string_view text) {
  PairList pairs;
  for (const std::string& item : SplitSelectionText(text)) {
    SelectedPair split = SplitPairText(item);
    pairs.push_back({ToLower(split.New), ToLower(split.Old), {}, {}});
  }
  return pairs;
}

std::string PairSelectionText(const PairList& pairs) {
  std::vector<std::string> texts;
  texts.reserve(pairs.size());
  for (const PairEntry& pair : pairs) texts.push_back(PairText(pair));
  return JoinSelectionText({texts.begin(), texts.end()});
}

void CheckPairs(PairList& pairs, const SelectableFiles& news, const SelectableFiles& olds) {
  // One pass that keeps the listed pairs in order: erasing one at a time would be quadratic.
  std::size_t kept = 0;
  for (PairEntry& pair : pairs) {
    const SelectableFile* n = ListedSide(news, pair.New, pair.NewDisk);
    const SelectableFile* o = ListedSide(olds, pair.Old, pair.OldDisk);
    if (n == nullptr || o == nullptr) continue;
    pair.NewDisk = n->Disk;
    pair.OldDisk = o->Disk;
    if (&pairs[kept] != &pair) pairs[kept] = std::move(pair);
    ++kept;
  }
  pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(kept), pairs.end());
}

std::vector<SelectedPair> ListedPairs(const PairList& pairs, const SelectableFiles& news,
                                      const SelectableFiles& olds) {
  std::vector<SelectedPair> listed;
  for (const PairEntry& pair : pairs) {
    const SelectableFile* n = ListedSide(news, pair.New, pair.NewDisk);
    const SelectableFile* o = ListedSide(olds, pair.Old, pair.OldDisk);
    if (n != nullptr && o != nullptr) listed.push_back({n->Disk, o->Disk});
  }
  return listed;
}

void RemovePairRows(PairList& pairs, std::vector<int> rows) {
  std::vector<bool> drop(pairs.size(), false);
  for (int row : rows) {
    if (row >= 0 && row < static_cast<int>(pairs.size()))
      drop[static_cast<std::size_t>(row)] = true;
  }
  std::size_t kept = 0;
  for (std::size_t k = 0; k < pairs.size(); ++k) {
    if (drop[k]) continue;
    if (kept != k) pairs[kept] = std::move(pairs[k]);
    ++kept;
  }
  pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(kept), pairs.end());
}

}  // namespace kav
