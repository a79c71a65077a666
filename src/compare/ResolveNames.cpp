#include "compare/ResolveNames.h"

#include <algorithm>

#include "compare/DirListing.h"
#include "text/Format.h"

namespace kav {

DiskNameIndex::DiskNameIndex(const FileSystem& fs, const std::string& dir) {
  StringList names;
  StringList diskNames;
  listError_ = ListDirectoryFiles(fs, dir, names, diskNames);
  entries_.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    entries_.emplace_back(std::move(names[i]), std::move(diskNames[i]));
  }
  std::sort(entries_.begin(), entries_.end());
}

std::optional<std::string> DiskNameIndex::Find(std::string_view name) const {
  const std::string lower = ToLower(name);
  auto first =
      std::lower_bound(entries_.begin(), entries_.end(), lower,
                       [](const auto& entry, const std::string& key) { return entry.first < key; });
  std::optional<std::string> found;
  for (auto it = first; it != entries_.end() && it->first == lower; ++it) {
    if (it->second == name) return it->second;
    if (!found) found = it->second;
  }
  return found;
}

bool DiskNameIndex::SharesNameWith(const DiskNameIndex& other) const {
  auto a = entries_.begin();
  auto b = other.entries_.begin();
  while (a != entries_.end() && b != other.entries_.end()) {
    if (a->first == b->first) return true;
    if (a->first < b->first) {
      ++a;
    } else {
      ++b;
    }
  }
  return false;
}

SelectedPair SplitPairText(std::string_view text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return {std::string(text), std::string()};
  std::string_view newName = text.substr(0, colon);
  std::string_view oldName = text.substr(colon + 1);
  // Stored pair texts always carry " : "; a typed "a:b" has no blank to lose.
  if (newName.ends_with(' ')) newName.remove_suffix(1);
  if (oldName.starts_with(' ')) oldName.remove_prefix(1);
  return {std::string(newName), std::string(oldName)};
}

int FillSelectedPairs(RunState& state, const FileSystem& fs,
                      const std::vector<SelectedPair>& pairs) {
  state.Names.PairedNewNames.clear();
  state.Names.PairedOldNames.clear();
  state.Names.PairedNewDiskNames.clear();
  state.Names.PairedOldDiskNames.clear();
  const DiskNameIndex newFiles(fs, state.NewDirName);
  const DiskNameIndex oldFiles(fs, state.OldDirName);
  for (const SelectedPair& pair : pairs) {
    std::optional<std::string> newDisk = newFiles.Find(pair.New);
    std::optional<std::string> oldDisk = oldFiles.Find(pair.Old);
    if (!newDisk || !oldDisk) continue;
    state.Names.PairedNewNames.push_back(ToLower(pair.New));
    state.Names.PairedOldNames.push_back(ToLower(pair.Old));
    state.Names.PairedNewDiskNames.push_back(std::move(*newDisk));
    state.Names.PairedOldDiskNames.push_back(std::move(*oldDisk));
  }
  return static_cast<int>(state.Names.PairedNewNames.size());
}

}  // namespace kav
