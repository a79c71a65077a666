#include "ui/select/logic/SelectableFiles.h"

#include <algorithm>

#include "text/Format.h"

namespace kav {

SelectableFiles::SelectableFiles(const FileSystem& fs, const std::string& dir,
                                 const FileMask& mask) {
  std::vector<DirEntry> entries;
  listError_ = fs.ListNames(dir, entries);
  if (listError_ != 0) return;
  files_.reserve(entries.size());
  for (DirEntry& entry : entries) {
    if (entry.Kind != EntryKind::File || !mask.Matches(entry.Name)) continue;
    files_.push_back({ToLower(entry.Name), std::move(entry.Name)});
  }
  std::sort(files_.begin(), files_.end(), [](const SelectableFile& a, const SelectableFile& b) {
    return a.Name != b.Name ? a.Name < b.Name : a.Disk < b.Disk;
  });
}

const SelectableFile* SelectableFiles::Find(std::string_view name) const {
  const std::string lower = ToLower(name);
  auto it = std::lower_bound(
      files_.begin(), files_.end(), lower,
      [](const SelectableFile& file, const std::string& key) { return file.Name < key; });
  const SelectableFile* first = nullptr;
  for (; it != files_.end() && it->Name == lower; ++it) {
    if (it->Disk == name) return &*it;
    if (first == nullptr) first = &*it;
  }
  return first;
}

}  // namespace kav
