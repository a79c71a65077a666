#include "platform/EntryFacts.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/DosTime.h"

namespace kav {

uint32_t StampCache::Pack(std::time_t time) {
  for (const Slot& slot : slots_) {
    if (slot.filled && slot.time == time) return slot.stamp;
  }
  Slot& slot = slots_[next_];
  next_ = (next_ + 1) % slots_.size();
  slot = Slot{true, time, PackDosTime(time)};
  return slot.stamp;
}

void FillFromStat(const struct stat& st, DirEntry& out, StampCache& stamps) {
  if (S_ISDIR(st.st_mode)) {
    out.Kind = EntryKind::Directory;
  } else if (S_ISREG(st.st_mode)) {
    out.Kind = EntryKind::File;
    out.Size = static_cast<int64_t>(st.st_size);
  } else {
    out.Kind = EntryKind::Other;
  }
  out.Stamp = stamps.Pack(st.st_mtime);
}

void FillFromStat(const struct stat& st, DirEntry& out) {
  StampCache stamps;
  FillFromStat(st, out, stamps);
}

void DescribeEntry(int dfd, DirEntry& entry, StampCache& stamps) {
  const char* name = entry.Name.c_str();
  struct stat st {};
  if (::fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
    entry.Kind = EntryKind::Other;
    entry.Error = errno;
    return;
  }
  if (S_ISLNK(st.st_mode)) {
    entry.IsLink = true;
    if (::fstatat(dfd, name, &st, 0) != 0) {
      entry.Kind = EntryKind::Other;  // a dangling or looping link cannot be opened
      if (errno != ENOENT && errno != ELOOP && errno != ENOTDIR) entry.Error = errno;
      return;
    }
  }
  FillFromStat(st, entry, stamps);
  if (entry.Kind == EntryKind::Directory) entry.Stamp = 0;
}

}  // namespace kav
