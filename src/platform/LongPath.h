#pragma once

#include <string>

namespace kav {

// A path made usable by the *at() system calls however long it is. Linux refuses a path of
// PATH_MAX bytes or more in one call, yet a deep tree holds such paths; their leading
// directories are then opened a piece at a time, and the rest is named relative to the last
// one. A short path is used as it is, relative to the working directory. Owns its descriptor;
// the path given must outlive it.
class ResolvedPath {
 public:
  explicit ResolvedPath(const std::string& path);
  ~ResolvedPath();
  ResolvedPath(const ResolvedPath&) = delete;
  ResolvedPath& operator=(const ResolvedPath&) = delete;

  // False when a directory on the way could not be opened; nothing else is then valid.
  bool Ok() const { return ok_; }
  // The directory the name is relative to (AT_FDCWD for a short path).
  int DirFd() const { return fd_; }
  // The remaining name: the whole path when it was short, never empty.
  const char* Name() const { return name_; }

 private:
  int fd_;
  std::string rest_;
  const char* name_;
  bool ok_ = true;
};

}  // namespace kav
