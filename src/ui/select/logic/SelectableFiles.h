#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "ui/select/logic/FileMask.h"

namespace kav {

// One file a selection window offers: the name it shows (lower-cased) and the name it opens.
struct SelectableFile {
  std::string Name;  // lower-cased, as shown, paired and compared
  std::string Disk;  // as on disk
};

// The files a selection window offers from one directory, sorted by shown name (ties by the
// on-disk spelling, so two names that differ only in case stand in a fixed order).
class SelectableFiles {
 public:
  SelectableFiles() = default;

  // Lists the regular files of `dir` (links to regular files and dot-files included; no
  // directories, FIFOs, sockets or devices) whose names `mask` matches. A directory that
  // cannot be listed, or does not exist, gives no file; ListError() then says why.
  SelectableFiles(const FileSystem& fs, const std::string& dir, const FileMask& mask);

  const std::vector<SelectableFile>& Files() const { return files_; }
  bool Empty() const { return files_.empty(); }
  int Count() const { return static_cast<int>(files_.size()); }
  int ListError() const { return listError_; }
  // The file called `name` without regard to case: the one spelt exactly so on disk when
  // there is one, else the first; nullptr when none is listed.
  const SelectableFile* Find(std::string_view name) const;

 private:
  std::vector<SelectableFile> files_;
  int listError_ = 0;
};

}  // namespace kav
