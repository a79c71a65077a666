#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/DosTime.h"
#include "platform/FileSystem.h"
#include "platform/LongPath.h"

namespace kav {
namespace {

void FillFromStat(const struct stat& st, DirEntry& out) {
  if (S_ISDIR(st.st_mode)) {
    out.Kind = EntryKind::Directory;
  } else if (S_ISREG(st.st_mode)) {
    out.Kind = EntryKind::File;
    out.Size = static_cast<int64_t>(st.st_size);
  } else {
    out.Kind = EntryKind::Other;
  }
  out.Stamp = PackDosTime(st.st_mtime);
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
        return -1;
      }
      done += static_cast<std::size_t>(got);
    }
    return static_cast<int64_t>(done);
  }
  int64_t Size() const override { return size_; }
  uint32_t Stamp() const override { return stamp_; }

 private:
  int fd_;
  int64_t size_;
  uint32_t stamp_;
};

class PosixFileSystem final : public FileSystem {
 public:
  bool ListDirectory(const std::string& dir, std::vector<DirEntry>& out) const override {
    ResolvedPath where(dir);
    if (!where.Ok()) return false;
    int fd = ::openat(where.DirFd(), where.Name(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    DIR* handle = ::fdopendir(fd);
    if (handle == nullptr) {
      ::close(fd);
      return false;
    }
    int dfd = ::dirfd(handle);
    while (struct dirent* e = ::readdir(handle)) {
      std::string_view name = e->d_name;
      if (name == "." || name == "..") continue;
      DirEntry entry;
      entry.Name = std::string(name);
      if (e->d_type == DT_DIR) {
        entry.Kind = EntryKind::Directory;  // directories carry no size or stamp
      } else {
        DescribeEntry(dfd, e->d_name, entry);
      }
      out.push_back(std::move(entry));
    }
    ::closedir(handle);
    return true;
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

  std::unique_ptr<InputFile> Open(const std::string& path) const override {
    // O_NONBLOCK: opening a FIFO must never hang; it is refused below anyway.
    ResolvedPath where(path);
    if (!where.Ok()) return nullptr;
    int fd = ::openat(where.DirFd(), where.Name(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return nullptr;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::make_unique<PosixInputFile>(fd, static_cast<int64_t>(st.st_size),
                                            PackDosTime(st.st_mtime));
  }

 private:
  static void DescribeEntry(int dfd, const char* name, DirEntry& entry) {
    struct stat st {};
    if (::fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
      entry.Kind = EntryKind::Other;
      return;
    }
    if (S_ISLNK(st.st_mode)) {
      entry.IsLink = true;
      if (::fstatat(dfd, name, &st, 0) != 0) {
        entry.Kind = EntryKind::Other;  // a dangling link cannot be opened
        return;
      }
    }
    FillFromStat(st, entry);
    if (entry.Kind == EntryKind::Directory) entry.Stamp = 0;
  }
};

}  // namespace

const FileSystem& RealFileSystem() {
  static const PosixFileSystem instance;
  return instance;
}

}  // namespace kav
