#include "compare/PairNames.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/Format.h"

namespace kav {
namespace {

// Sorts the lower-cased names and their disk spellings together.
void SortWithDiskNames(StringList& names, StringList& diskNames) {
  std::vector<std::size_t> order(names.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (names[a] != names[b]) return names[a] < names[b];
    return diskNames[a] < diskNames[b];
  });
  StringList sortedNames;
  StringList sortedDisk;
  sortedNames.reserve(names.size());
  sortedDisk.reserve(names.size());
  for (std::size_t i : order) {
    sortedNames.push_back(std::move(names[i]));
    sortedDisk.push_back(std::move(diskNames[i]));
  }
  names = std::move(sortedNames);
  diskNames = std::move(sortedDisk);
}

// Removes, for each paired name, the first remaining entry equal to it. Both lists hold
// lower-cased names, so equal text is the same name without regard to case.
void RemoveFirstOccurrences(const StringList& paired, StringList& names, StringList& diskNames) {
  std::unordered_map<std::string_view, int> toRemove;
  toRemove.reserve(paired.size());
  for (const std::string& name : paired) ++toRemove[name];
  std::size_t kept = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    auto it = toRemove.find(names[i]);
    if (it != toRemove.end() && it->second > 0) {
      --it->second;
      continue;
    }
    if (kept != i) {
      names[kept] = std::move(names[i]);
      diskNames[kept] = std::move(diskNames[i]);
    }
    ++kept;
  }
  names.resize(kept);
  diskNames.resize(kept);
}

}  // namespace

void PadDiskNames(const StringList& names, StringList& diskNames) {
  if (diskNames.size() > names.size()) diskNames.resize(names.size());
  while (diskNames.size() < names.size()) diskNames.push_back(names[diskNames.size()]);
}

void PairLikeNames(RunState& state) {
  PadDiskNames(state.Names.NewDirNames, state.Names.NewDirDiskNames);
  PadDiskNames(state.Names.OldDirNames, state.Names.OldDirDiskNames);
  SortWithDiskNames(state.Names.NewDirNames, state.Names.NewDirDiskNames);
  SortWithDiskNames(state.Names.OldDirNames, state.Names.OldDirDiskNames);
  state.Names.PairedNewNames.clear();
  state.Names.PairedOldNames.clear();
  state.Names.PairedNewDiskNames.clear();
  state.Names.PairedOldDiskNames.clear();

  const StringList& olds = state.Names.OldDirNames;
  for (std::size_t i = 0; i < state.Names.NewDirNames.size(); ++i) {
    const std::string& name = state.Names.NewDirNames[i];
    auto match = std::lower_bound(olds.begin(), olds.end(), name);
    if (match == olds.end() || *match != name) continue;
    auto oldIndex = static_cast<std::size_t>(match - olds.begin());
    state.Names.PairedNewNames.push_back(name);
    state.Names.PairedOldNames.push_back(name);
    state.Names.PairedNewDiskNames.push_back(state.Names.NewDirDiskNames[i]);
    state.Names.PairedOldDiskNames.push_back(state.Names.OldDirDiskNames[oldIndex]);
  }
}

void RemovePairedNames(RunState& state) {
  PadDiskNames(state.Names.NewDirNames, state.Names.NewDirDiskNames);
  PadDiskNames(state.Names.OldDirNames, state.Names.OldDirDiskNames);
  RemoveFirstOccurrences(state.Names.PairedNewNames, state.Names.NewDirNames,
                         state.Names.NewDirDiskNames);
  RemoveFirstOccurrences(state.Names.PairedNewNames, state.Names.OldDirNames,
                         state.Names.OldDirDiskNames);
}

}  // namespace kav
