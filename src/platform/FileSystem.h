#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
};

// An open file, read-only. Read() reads until the buffer is full or the file ends, riding out
// short reads and EINTR; it returns the byte count, or -1 when the read failed.
class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual int64_t Read(char* buffer, std::size_t count) = 0;
  virtual int64_t Size() const = 0;
  virtual uint32_t Stamp() const = 0;
};

// The operating system's file system, as the engines see it. One real implementation
// (PosixFileSystem) and a fault-injecting wrapper for tests. Nothing here throws.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Appends the entries of one directory ("." and ".." left out) in the order the system
  // returns them. Returns false, appending nothing, when the directory cannot be read.
  virtual bool ListDirectory(const std::string& dir, std::vector<DirEntry>& out) const = 0;
  // True when the path names a directory (following links).
  virtual bool IsDirectory(const std::string& path) const = 0;
  // Facts of one path (following links); false when it does not exist.
  virtual bool Stat(const std::string& path, DirEntry& out) const = 0;
  // Opens a regular file read-only; nullptr when it is missing, not a regular file, or cannot
  // be opened. Never opens a FIFO or a device.
  virtual std::unique_ptr<InputFile> Open(const std::string& path) const = 0;
};

// The real file system.
const FileSystem& RealFileSystem();

}  // namespace kav
