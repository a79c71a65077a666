#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/RunState.h"
#include "platform/FileSystem.h"

namespace kav {

// The plain files of one directory level, looked up by name without regard to case. The
// selection windows (types 3 and 4) and kavdrift-cli use it to turn a chosen name into the
// spelling that can be opened.
class DiskNameIndex {
 public:
  // Lists `dir`; an unreadable directory gives an empty index.
  DiskNameIndex(const FileSystem& fs, const std::string& dir);

  bool Empty() const { return entries_.empty(); }
  // 0, or why the directory could not be listed (the index is then empty).
  int ListError() const { return listError_; }
  std::size_t Count() const { return entries_.size(); }
  // The on-disk spelling of the file called `name` without regard to case: the exact spelling
  // when it exists, otherwise the first match in byte order; nullopt when there is none.
  std::optional<std::string> Find(std::string_view name) const;
  // True when some name is in both indexes (without regard to case).
  bool SharesNameWith(const DiskNameIndex& other) const;

 private:
  std::vector<std::pair<std::string, std::string>> entries_;  // (lower-cased, on disk), sorted
  int listError_ = 0;
};

// A New/Old name pair as the user chose it; for type 3 both names are the same.
struct SelectedPair {
  std::string New;
  std::string Old;
};

// Splits a pair text "new : old" (as the type 4 window keeps it, or as typed) at the first ':'.
// One blank next to the colon on each side belongs to the separator, any other character to
// the names, so "abc:xold" pairs abc with xold. A text without ':' is all New name.
SelectedPair SplitPairText(std::string_view text);

// Fills PairedNewNames/PairedOldNames (lower-cased) and PairedNewDiskNames/PairedOldDiskNames
// (as on disk, looked up in NewDirName and OldDirName) from the selection, in its order. A
// pair whose New or Old file is not there is left out. Returns the number of pairs placed;
// the caller runs the compare section only when it is above 0.
int FillSelectedPairs(RunState& state, const FileSystem& fs,
                      const std::vector<SelectedPair>& pairs);

}  // namespace kav
