#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/DirectoryReader.h"
#include "platform/DosTime.h"
#include "platform/EntryFacts.h"
#include "platform/FileSystem.h"
#include "platform/LongPath.h"

namespace kav {
namespace {

class PosixInputFile final : public InputFile {
 public:
  PosixInputFile(int fd, int64_t size, uint32_t stamp) : fd_(fd), size_(size), stamp_(stamp) {}
  ~PosixInputFile() override { ::close(fd_); }
  PosixInputFile(const PosixInputFile&) = delete;
  PosixInputFile& operator=(const PosixInputFile&) = delete;

  int64_t ReadAt(char* buffer, std::size_t count, int64_t offset) override {
    std::size_t done = 0;
    while (done < count) {
      ssize_t got = ::pread(fd_, buffer + done, count - done, offset + static_cast<int64_t>(done));
      if (got == 0) break;
      if (got < 0) {
        if (errno == EINTR) continue;
        return -static_cast<int64_t>(errno);
      }
      done += static_cast<std::size_t>(got);
      // Stopped exactly at the size the open file had: that is its end, unless it grew since,
      // and a file that grew would have given more. Asking again only to be told 0 would cost
      // a system call per small file.
      if (offset + static_cast<int64_t>(done) == size_) break;
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
                    const ListedFile& listed) const override {
    const auto* held = dynamic_cast<const PosixDirectory*>(dir);
    if (held == nullptr || nameStart >= path.size()) {
      return listed.Regular ? OpenListedFile(path) : Open(path);
    }
    if (listed.Regular && listed.FactsKnown) {
      return OpenListedAt(held->Fd(), path.c_str() + nameStart, listed);
    }
    return OpenRegularAt(held->Fd(), path.c_str() + nameStart, !listed.Regular);
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
    const int fd = OpenForReading(dirFd, name);
    if (fd < 0) return OpenedFile{nullptr, errno};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      const int error = S_ISREG(st.st_mode) ? errno : NotRegularFile;
      ::close(fd);
      return OpenedFile{nullptr, error};
    }
    return Opened(fd, static_cast<int64_t>(st.st_size), PackDosTime(st.st_mtime));
  }

  // A file whose listing stated it moments ago: stating the open file again would cost a
  // system call per file for facts already known. Should the name have become something else
  // meanwhile, reading it fails (a directory) or finds it longer than listed (a device).
  static OpenedFile OpenListedAt(int dirFd, const char* name, const ListedFile& listed) {
    const int fd = OpenForReading(dirFd, name);
    if (fd < 0) return OpenedFile{nullptr, errno};
    return Opened(fd, listed.Size, listed.Stamp);
  }

  static int OpenForReading(int dirFd, const char* name) {
    // O_NONBLOCK: should the name have become a FIFO meanwhile, the open must not hang.
    return ::openat(dirFd, name, O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  }

  static OpenedFile Opened(int fd, int64_t size, uint32_t stamp) {
    if (size >= SequentialAdviceSize) ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return OpenedFile{std::make_unique<PosixInputFile>(fd, size, stamp), 0};
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
    int error = ReadDirectoryEntries(handle, out, poll, namesOnly,
                                     !namesOnly && ExpectedEntries(fd) >= HelpedFrom);
    if (::closedir(handle) != 0 && error == 0) error = errno;
    if (error != 0) out.resize(before);  // a part of a listing must never pass for the whole
    return error;
  }

  // A directory of this many entries or more is stated by two threads.
  static constexpr std::size_t HelpedFrom = 2048;

  // A directory's size in bytes hints at its entry count (ext4 spends some 35 bytes on an
  // entry).
  static std::size_t ExpectedEntries(int fd) {
    constexpr off_t BytesPerEntry = 32;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0) return 0;
    return static_cast<std::size_t>(st.st_size / BytesPerEntry);
  }
};

}  // namespace

const FileSystem& RealFileSystem() {
  static const PosixFileSystem instance;
  return instance;
}

}  // namespace kav
