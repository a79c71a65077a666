#include "platform/LongPath.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace kav {
namespace {

// Each piece opened on the way stays well below the kernel's limit.
constexpr std::size_t PieceLimit = 2048;

// The deepest directory the thread's walk has opened, and the path text that names it.
struct KeptDirectory {
  int scopes = 0;
  int fd = -1;
  std::string path;

  void Forget() {
    if (fd >= 0) ::close(fd);
    fd = -1;
    path.clear();
  }
  ~KeptDirectory() { Forget(); }
};

thread_local KeptDirectory kept;
thread_local std::size_t piecesOpened = 0;

std::size_t SkipSlashes(const std::string& path, std::size_t pos) {
  while (pos < path.size() && path[pos] == '/') ++pos;
  return pos;
}

}  // namespace

ResolvedPath::ResolvedPath(const std::string& path) : fd_(AT_FDCWD), name_(".") {
  if (path.size() < PATH_MAX) {
    if (!path.empty()) name_ = path.c_str();
    return;
  }
  std::size_t pos = 0;
  if (!StartFromWalk(path, pos) && path.front() == '/') {
    OpenPiece("/");
    pos = 1;
  }
  std::size_t lastCut = std::string::npos;
  while (ok_ && path.size() - pos >= PieceLimit) {
    const std::size_t cut = path.rfind('/', pos + PieceLimit);
    if (cut == std::string::npos || cut <= pos) {  // a single name longer than a piece
      ok_ = false;
      break;
    }
    OpenPiece(path.substr(pos, cut - pos));
    lastCut = cut;
    pos = SkipSlashes(path, cut + 1);
  }
  if (!ok_) return;
  if (kept.scopes > 0 && lastCut != std::string::npos) {
    kept.Forget();
    kept.fd = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
    if (kept.fd >= 0) kept.path.assign(path, 0, lastCut);
  }
  rest_ = pos < path.size() ? path.substr(pos) : std::string(".");
  name_ = rest_.c_str();
}

// Starts below the directory the walk keeps when `path` lies inside it.
bool ResolvedPath::StartFromWalk(const std::string& path, std::size_t& pos) {
  const std::string& base = kept.path;
  if (kept.scopes == 0 || kept.fd < 0 || path.size() <= base.size() || path[base.size()] != '/' ||
      path.compare(0, base.size(), base) != 0) {
    return false;
  }
  // A copy of its own: the walk may keep another directory before this one is done with.
  const int fd = ::fcntl(kept.fd, F_DUPFD_CLOEXEC, 0);
  if (fd < 0) return false;
  fd_ = fd;
  pos = SkipSlashes(path, base.size());
  return true;
}

void ResolvedPath::OpenPiece(const std::string& piece) {
  const int next = ::openat(fd_, piece.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  ++piecesOpened;
  if (fd_ != AT_FDCWD) ::close(fd_);
  fd_ = next;
  if (fd_ < 0) {
    fd_ = AT_FDCWD;
    ok_ = false;
  }
}

ResolvedPath::~ResolvedPath() {
  if (fd_ >= 0) ::close(fd_);
}

LongPathWalk::LongPathWalk() {
  ++kept.scopes;
}

LongPathWalk::~LongPathWalk() {
  if (--kept.scopes == 0) kept.Forget();
}

std::size_t ResolvedPiecesOpened() {
  return piecesOpened;
}

}  // namespace kav
