#pragma once

#include <sys/stat.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>

#include "platform/FileSystem.h"

namespace kav {

// Converting a time to local fields is the dearest part of describing a file, and the files
// of one directory mostly share a few times (listed in no particular order), so the last few
// conversions are kept. One cache lives for one listing (and one thread) only, so a change of
// time zone between calls still counts.
class StampCache {
 public:
  uint32_t Pack(std::time_t time);

 private:
  struct Slot {
    bool filled = false;
    std::time_t time = 0;
    uint32_t stamp = 0;
  };
  std::array<Slot, 4> slots_{};
  std::size_t next_ = 0;
};

// Kind, size and stamp of an entry from its stat.
void FillFromStat(const struct stat& st, DirEntry& out, StampCache& stamps);
void FillFromStat(const struct stat& st, DirEntry& out);

// Stats the entry `entry.Name` of the open directory `dfd` and fills in its facts: a link is
// followed (and marked), one that leads nowhere is listed as Other; a failed stat leaves the
// entry Other with its errno. A directory carries no stamp.
void DescribeEntry(int dfd, DirEntry& entry, StampCache& stamps);

}  // namespace kav
