#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/IoError.h"

namespace kav {

enum class EntryKind {
  File,       // a regular file, or a symbolic link to one
  Directory,  // a directory, or a symbolic link to one (then IsLink is set)
  Other,      // FIFO, socket, device, dangling link: listed as a file, never opened
};

// One entry of a directory listing.
struct DirEntry {
  std::string Name;  // as it is on disk
  EntryKind Kind = EntryKind::File;
  bool IsLink = false;  // a symbolic link: a linked directory is listed but never entered
  int64_t Size = 0;     // bytes; 0 for anything but a file
  uint32_t Stamp = 0;   // packed DOS date/time of the modification time, local time
  // The errno value when the entry's facts could not be read (a directory that may be read
  // but not searched): then it is listed as Other, and its size and stamp are unknown.
  int Error = 0;
};

// An open file, read-only. ReadAt() reads from `offset` until the buffer is full or the file
// ends, riding out short reads and EINTR (a read that stops exactly at the size the file was
// opened with is taken for its end); it returns the byte count, or the errno value negated when
// the read failed (so the cause travels with the result). ReadAt() may be called by several
// threads at once.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual int64_t ReadAt(char* buffer, std::size_t count, int64_t offset) = 0;
  virtual int64_t Size() const = 0;
  virtual uint32_t Stamp() const = 0;
};

// What a listing already knows of a file it has opened: that it is a regular file (so it is
// not tested before the open), and perhaps its size and stamp (so the open file is not stated
// either: the file is then read against that size, and a file that is no longer regular fails
// on its first read).
struct ListedFile {
  bool Regular = false;
  bool FactsKnown = false;
  int64_t Size = 0;
  uint32_t Stamp = 0;
};

// An Open() that worked holds the file; one that did not holds why (an errno value, or
// NotRegularFile).
struct OpenedFile {
  std::unique_ptr<InputFile> File;
  int Error = 0;
};

// Asked while a directory is listed, every ListPollEntries entries: false stops the listing
// (a halt), so a huge directory cannot hold a run up. May be empty.
using ListPoll = std::function<bool()>;
inline constexpr std::size_t ListPollEntries = 256;

// The operating system's file system, as the engines see it. One real implementation
// (PosixFileSystem) and a fault-injecting wrapper for tests. Nothing here throws.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Appends the entries of one directory ("." and ".." left out) in the order the system
  // returns them. Returns 0, or the errno value when the directory could not be read whole
  // (a failing open, readdir or closedir) or ECANCELED when `poll` stopped it; then nothing
  // is appended.
  virtual int ListDirectory(const std::string& dir, std::vector<DirEntry>& out,
                            const ListPoll& poll = {}) const = 0;
  // The same listing with each entry's name, Kind and IsLink only (Size, Stamp and Error stay
  // 0 for regular files and directories): the kinds come from the directory itself where it
  // tells them, so a large directory is listed without one system call per entry. Only links
  // and entries of unknown kind are looked at one by one. Same returns as ListDirectory.
  virtual int ListNames(const std::string& dir, std::vector<DirEntry>& out,
                        const ListPoll& poll = {}) const {
    return ListDirectory(dir, out, poll);
  }
  // True when the path names a directory (following links).
  virtual bool IsDirectory(const std::string& path) const = 0;
  // Facts of one path (following links); false when it does not exist.
  virtual bool Stat(const std::string& path, DirEntry& out) const = 0;
  // Opens a regular file read-only. Anything else (a FIFO, socket, device) is refused with
  // NotRegularFile before it is opened; a missing or unreadable file gives its errno value.
  virtual OpenedFile Open(const std::string& path) const = 0;
  // The same for a file that its listing found to be a regular file: the test before opening
  // is left to the listing (the test on the open file still refuses anything else).
  virtual OpenedFile OpenListedFile(const std::string& path) const { return Open(path); }

  // A directory held open so that many files in it are opened without looking up its path
  // again each time. Opaque; belongs to the file system that made it.
  class Directory {
   public:
    virtual ~Directory() = default;
  };
  // Null when the directory cannot be held open (the files are then opened by path).
  virtual std::unique_ptr<Directory> OpenDirectory(const std::string& /*dir*/) const {
    return nullptr;
  }
  // Opens the file at `path` whose last component starts at `nameStart`, through `dir` (made by
  // OpenDirectory for the path before that component) when given; as Open, or as
  // OpenListedFile when `listed` was a regular file, taking its facts when known.
  virtual OpenedFile OpenIn(const Directory* /*dir*/, const std::string& path,
                            std::size_t /*nameStart*/, const ListedFile& listed) const {
    return listed.Regular ? OpenListedFile(path) : Open(path);
  }
};

// The real file system.
const FileSystem& RealFileSystem();

}  // namespace kav
