#include "compare/PairNames.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SplitWork.h"

namespace kav {
namespace {

// Below this many names in all, sorting takes less than starting a thread.
constexpr std::size_t TwoThreadNames = 20000;

// A name's first 16 bytes as two big-endian numbers: comparing them orders names as their
// bytes do (a shorter name is padded with 0, and no file name holds a 0 byte), and most pairs
// of names differ within them, so a sort rarely reaches the strings themselves.
struct SortKey {
  uint64_t High;
  uint64_t Low;
  std::size_t Index;
};

uint64_t PackBytes(std::string_view text, std::size_t from) {
  uint64_t packed = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    packed = (packed << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  }
  return packed;
}

// Sorts the lower-cased names and their disk spellings together.
void SortWithDiskNames(StringList& names, StringList& diskNames) {
  std::vector<SortKey> keys(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    keys[i] = SortKey{PackBytes(names[i], 0), PackBytes(names[i], 8), i};
  }
  std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
    if (a.High != b.High) return a.High < b.High;
    if (a.Low != b.Low) return a.Low < b.Low;
    if (const int order = names[a.Index].compare(names[b.Index]); order != 0) return order < 0;
    return diskNames[a.Index] < diskNames[b.Index];
  });
  StringList sortedNames;
  StringList sortedDisk;
  sortedNames.reserve(names.size());
  sortedDisk.reserve(names.size());
  for (const SortKey& key : keys) {
    sortedNames.push_back(std::move(names[key.Index]));
    sortedDisk.push_back(std::move(diskNames[key.Index]));
  }
  names = std::move(sortedNames);
  diskNames = std::move(sortedDisk);
}

// Removes, for each paired name, the first remaining entry equal to it. All lists are
// ascending and lower-cased (as PairLikeNames leaves them): one walk finds every entry.
void RemoveFirstOccurrences(const StringList& paired, StringList& names, StringList& diskNames) {
  std::size_t next = 0;  // the first paired name not yet matched
  std::size_t kept = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    while (next < paired.size() && paired[next] < names[i]) ++next;
    if (next < paired.size() && paired[next] == names[i]) {
      ++next;
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
  // The two sides are sorted at once, a large pair of lists on two threads.
  NameLists& names = state.Names;
  SplitWork(2, names.NewDirNames.size() + names.OldDirNames.size() >= TwoThreadNames ? 2 : 3,
            [&names](std::size_t from, std::size_t to) {
              if (from == 0) SortWithDiskNames(names.NewDirNames, names.NewDirDiskNames);
              if (to == 2) SortWithDiskNames(names.OldDirNames, names.OldDirDiskNames);
            });
  state.Names.PairedNewNames.clear();
  state.Names.PairedOldNames.clear();
  state.Names.PairedNewDiskNames.clear();
  state.Names.PairedOldDiskNames.clear();

  // Both lists are sorted: one walk pairs each New name with the first Old name equal to it.
  const StringList& olds = state.Names.OldDirNames;
  std::size_t oldIndex = 0;
  for (std::size_t i = 0; i < state.Names.NewDirNames.size(); ++i) {
    const std::string& name = state.Names.NewDirNames[i];
    while (oldIndex < olds.size() && olds[oldIndex] < name) ++oldIndex;
    if (oldIndex == olds.size() || olds[oldIndex] != name) continue;
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
