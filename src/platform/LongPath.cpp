#include "platform/LongPath.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace kav {
namespace {

// Each piece opened on the way stays well below the kernel's limit.
constexpr std::size_t PieceLimit = 2048;
// Inside a walk, a path whose name has this many directories or more before its last one
// has them opened as a piece and kept: the kernel would otherwise look every one of them up
// again for each directory of a deep chain of short names.
constexpr std::size_t KeepFrom = 16;

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

// Where the directories of the name from `pos` on end, when they are many: the last '/'
// before its last name; npos otherwise.
std::size_t ManyDirectoriesEnd(const std::string& path, std::size_t pos) {
  if (kept.scopes == 0) return std::string::npos;
  std::size_t end = path.size();
  while (end > pos && path[end - 1] == '/') --end;
  const std::size_t cut = end > pos ? path.rfind('/', end - 1) : std::string::npos;
  if (cut == std::string::npos || cut <= pos) return std::string::npos;
  std::size_t slashes = 0;
  for (std::size_t k = pos; k < cut && slashes < KeepFrom; ++k) slashes += path[k] == '/' ? 1 : 0;
  return slashes + 1 >= KeepFrom ? cut : std::string::npos;
}

}  // namespace

ResolvedPath::ResolvedPath(const std::string& path) : fd_(AT_FDCWD), name_(".") {
  if (path.size() < PATH_MAX && ManyDirectoriesEnd(path, 0) == std::string::npos) {
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
  const std::size_t cut = ok_ ? ManyDirectoriesEnd(path, pos) : std::string::npos;
  if (cut != std::string::npos) {
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
