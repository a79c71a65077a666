#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <ctime>

#include "platform/DosTime.h"
#include "platform/FileSystem.h"
#include "platform/LongPath.h"
#include "platform/SplitWork.h"

namespace kav {
namespace {

// Converting a time to local fields is the dearest part of describing a file, and the files
// of one directory mostly share a few times (listed in no particular order), so the last few
// conversions are kept. One cache lives for one listing only, so a change of time zone
// between calls still counts.
class StampCache {
 public:
  uint32_t Pack(std::time_t time) {
    for (const Slot& slot : slots_) {
      if (slot.filled && slot.time == time) return slot.stamp;
    }
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) % slots_.size();
    slot = Slot{true, time, PackDosTime(time)};
    return slot.stamp;
  }

 private:
  struct Slot {
    bool filled = false;
    std::time_t time = 0;
    uint32_t stamp = 0;
  };
  std::array<Slot, 4> slots_{};
  std::size_t next_ = 0;
};

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

class PosixInputFile final : public InputFile {
 public:
  PosixInputFile(int fd, int64_t size, uint32_t stamp) : fd_(fd), size_(size), stamp_(stamp) {}
  ~PosixInputFile() override { ::close(fd_); }
  PosixInputFile(const PosixInputFile&) = delete;
  PosixInputFile& operator=(const PosixInputFile&) = delete;

  int64_t Read(char* buffer, std::size_t count) override {
    std::size_t done = 0;
    while (done < count) {
      ssize_t got = ::read(fd_, buffer + done, count - done);
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        return -static_cast<int64_t>(errno);
      }
      done += static_cast<std::size_t>(got);
      offset_ += got;
      // Stopped exactly at the size the open file had: that is its end, unless it grew since,
      // and a file that grew would have given more. Asking again only to be told 0 would cost
      // a system call per small file.
      if (offset_ == size_) break;
    }
    return static_cast<int64_t>(done);
  }
  int64_t Size() const override { return size_; }
  uint32_t Stamp() const override { return stamp_; }

 private:
  int fd_;
  int64_t size_;
  uint32_t stamp_;
  int64_t offset_ = 0;  // bytes read so far
};

class PosixDirectory final : public FileSystem::Directory {
 public:
  explicit PosixDirectory(int fd) : fd_(fd) {}
  ~PosixDirectory() override { ::close(fd_); }
  PosixDirectory(const PosixDirectory&) = delete;
  PosixDirectory& operator=(const PosixDirectory&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

class PosixFileSystem final : public FileSystem {
 public:
  int ListDirectory(const std::string& dir, std::vector<DirEntry>& out,
                    const ListPoll& poll) const override {
    return List(dir, out, poll, false);
  }

  int ListNames(const std::string& dir, std::vector<DirEntry>& out,
                const ListPoll& poll) const override {
    return List(dir, out, poll, true);
  }

  bool IsDirectory(const std::string& path) const override {
    ResolvedPath where(path);
    struct stat st {};
    return where.Ok() && ::fstatat(where.DirFd(), where.Name(), &st, 0) == 0 && S_ISDIR(st.st_mode);
  }

  bool Stat(const std::string& path, DirEntry& out) const override {
    ResolvedPath where(path);
    struct stat st {};
    if (!where.Ok() || ::fstatat(where.DirFd(), where.Name(), &st, 0) != 0) return false;
    FillFromStat(st, out);
    return true;
  }

  OpenedFile Open(const std::string& path) const override {
    ResolvedPath where(path);
    if (!where.Ok()) return OpenedFile{nullptr, ENOENT};
    return OpenRegularAt(where.DirFd(), where.Name(), true);
  }
  OpenedFile OpenListedFile(const std::string& path) const override {
    ResolvedPath where(path);
    if (!where.Ok()) return OpenedFile{nullptr, ENOENT};
    return OpenRegularAt(where.DirFd(), where.Name(), false);
  }

  std::unique_ptr<Directory> OpenDirectory(const std::string& dir) const override {
    ResolvedPath where(dir);
    if (!where.Ok()) return nullptr;
    const int fd = ::openat(where.DirFd(), where.Name(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixDirectory>(fd);
  }

  OpenedFile OpenIn(const Directory* dir, const std::string& path, std::size_t nameStart,
                    bool listedRegular) const override {
    const auto* held = dynamic_cast<const PosixDirectory*>(dir);
    if (held == nullptr || nameStart >= path.size()) {
      return listedRegular ? OpenListedFile(path) : Open(path);
    }
    return OpenRegularAt(held->Fd(), path.c_str() + nameStart, !listedRegular);
  }

 private:
  // Files this large are read with the kernel told to read ahead further; a smaller one is
  // read in one or two calls anyway, so the advice would be a system call for nothing.
  static constexpr off_t SequentialAdviceSize = 1 << 20;

  static OpenedFile OpenRegularAt(int dirFd, const char* name, bool testFirst) {
    // Only a regular file is opened: opening a FIFO may block, opening a device may act on it.
    struct stat st {};
    if (testFirst) {
      if (::fstatat(dirFd, name, &st, 0) != 0) return OpenedFile{nullptr, errno};
      if (!S_ISREG(st.st_mode)) return OpenedFile{nullptr, NotRegularFile};
    }
    // O_NONBLOCK: should the name have become a FIFO meanwhile, the open must not hang.
    int fd = ::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return OpenedFile{nullptr, errno};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      const int error = S_ISREG(st.st_mode) ? errno : NotRegularFile;
      ::close(fd);
      return OpenedFile{nullptr, error};
    }
    if (st.st_size >= SequentialAdviceSize) ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return OpenedFile{std::make_unique<PosixInputFile>(fd, static_cast<int64_t>(st.st_size),
                                                       PackDosTime(st.st_mtime)),
                      0};
  }

  int List(const std::string& dir, std::vector<DirEntry>& out, const ListPoll& poll,
           bool namesOnly) const {
    ResolvedPath where(dir);
    if (!where.Ok()) return ENOENT;
    int fd = ::openat(where.DirFd(), where.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return errno;
    DIR* handle = ::fdopendir(fd);
    if (handle == nullptr) {
      const int error = errno;
      ::close(fd);
      return error;
    }
    const std::size_t before = out.size();
    ReserveForListing(fd, out);
    int error = ReadEntries(handle, out, poll, namesOnly);
    if (::closedir(handle) != 0 && error == 0) error = errno;
    if (error != 0) out.resize(before);  // a part of a listing must never pass for the whole
    return error;
  }

  // Reads every entry of an open directory. readdir() gives NULL both at the end and on an
  // error; only errno tells them apart. The names come first, the facts of the entries whose
  // kind the listing does not settle after them (see DescribeEntries). `namesOnly` takes a
  // regular file's or a special file's kind from the listing and states only links and
  // entries of unknown kind.
  static int ReadEntries(DIR* handle, std::vector<DirEntry>& out, const ListPoll& poll,
                         bool namesOnly) {
    const std::size_t first = out.size();
    std::vector<bool> settled;
    for (std::size_t seen = 1;; ++seen) {
      if (poll && seen % ListPollEntries == 0 && !poll()) return ECANCELED;
      errno = 0;
      struct dirent* e = ::readdir(handle);
      if (e == nullptr) {
        const int error = errno;
        if (error == 0) DescribeEntries(::dirfd(handle), out, first, settled);
        return error;
      }
      std::string_view name = e->d_name;
      if (name == "." || name == "..") continue;
      DirEntry& entry = out.emplace_back();
      entry.Name = name;
      // Directories carry no size or stamp; the rest is described once the names are in.
      entry.Kind = e->d_type == DT_DIR ? EntryKind::Directory : EntryKind::File;
      const bool kindKnown = e->d_type != DT_LNK && e->d_type != DT_UNKNOWN;
      if (namesOnly && kindKnown && e->d_type != DT_DIR && e->d_type != DT_REG) {
        entry.Kind = EntryKind::Other;  // a FIFO, socket or device
      }
      settled.push_back(e->d_type == DT_DIR || (namesOnly && kindKnown));
    }
  }

  // Stats every entry from `first` on whose kind the listing left open. Looking a name up
  // is most of a listing's cost, and it waits on nothing but the processor, so a large
  // directory shares it with a second thread; each entry is written by one thread only.
  static void DescribeEntries(int dfd, std::vector<DirEntry>& out, std::size_t first,
                              const std::vector<bool>& settled) {
    constexpr std::size_t SharedFrom = 2048;
    SplitWork(out.size() - first, SharedFrom,
              [dfd, &out, first, &settled](std::size_t from, std::size_t to) {
                StampCache stamps;
                for (std::size_t k = from; k < to; ++k) {
                  if (!settled[k]) DescribeEntry(dfd, out[first + k], stamps);
                }
              });
  }
  // A directory's size in bytes hints at its entry count (ext4 spends some 35 bytes on an
  // entry); room made at once spares a large listing its repeated moves. Room that stays
  // unused costs address space only.
  static void ReserveForListing(int fd, std::vector<DirEntry>& out) {
    constexpr off_t BytesPerEntry = 32;
    constexpr std::size_t MostReserved = std::size_t{1} << 20;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0) return;
    const auto hint = static_cast<std::size_t>(st.st_size / BytesPerEntry);
    out.reserve(out.size() + std::min(hint, MostReserved));
  }

  static void DescribeEntry(int dfd, DirEntry& entry, StampCache& stamps) {
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
};

}  // namespace

const FileSystem& RealFileSystem() {
  static const PosixFileSystem instance;
  return instance;
}

}  // namespace kav
