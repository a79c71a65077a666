#pragma once

#include <cstddef>
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
  bool StartFromWalk(const std::string& path, std::size_t& pos);
  void OpenPiece(const std::string& piece);

  int fd_;
  std::string rest_;
  const char* name_;
  bool ok_ = true;
};

// While one lives, the thread's ResolvedPaths keep the deepest directory they opened and
// start the next long path below it when it lies inside: a depth-first walk then opens a
// piece or two per directory instead of every piece from the root, so the work per
// directory no longer grows with its depth. Scopes nest; the last one to go closes what is
// kept. A walk is short-lived: a directory renamed while it runs is found under its old name.
class LongPathWalk {
 public:
  LongPathWalk();
  ~LongPathWalk();
  LongPathWalk(const LongPathWalk&) = delete;
  LongPathWalk& operator=(const LongPathWalk&) = delete;
};

// How many directories ResolvedPath has opened on this thread (for tests that count work).
std::size_t ResolvedPiecesOpened();

}  // namespace kav
