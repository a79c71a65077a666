#include "compare/DirListing.h"

#include <algorithm>
#include <vector>

#include "text/Format.h"

namespace kav {

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string path(dir);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

bool IsPlainFileEntry(const DirEntry& entry) {
  return entry.Kind != EntryKind::Directory;
}

int ListDirectoryFiles(const FileSystem& fs, const std::string& dir, StringList& names,
                       StringList& diskNames, const ListPoll& poll, StringList* specialDiskNames) {
  std::vector<DirEntry> entries;
  // Only names and kinds are needed: a large directory is listed without a stat per entry.
  const int error = fs.ListNames(dir, entries, poll);
  if (error != 0) return error;
  for (DirEntry& entry : entries) {
    if (!IsPlainFileEntry(entry)) continue;
    if (specialDiskNames != nullptr && entry.Kind != EntryKind::File) {
      specialDiskNames->push_back(entry.Name);
    }
    names.push_back(ToLower(entry.Name));
    diskNames.push_back(std::move(entry.Name));
  }
  if (specialDiskNames != nullptr) std::sort(specialDiskNames->begin(), specialDiskNames->end());
  return 0;
}

}  // namespace kav
