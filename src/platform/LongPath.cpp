#include "platform/LongPath.h"

#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace kav {
namespace {

// Each piece opened on the way stays well below the kernel's limit.
constexpr std::size_t PieceLimit = 2048;

}  // namespace

ResolvedPath::ResolvedPath(const std::string& path) : fd_(AT_FDCWD), name_(".") {
  if (path.size() < PATH_MAX) {
    if (!path.empty()) name_ = path.c_str();
    return;
  }
  std::size_t pos = 0;
  if (path.front() == '/') {
    fd_ = ::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC);
    pos = 1;
    if (fd_ < 0) {
      ok_ = false;
      return;
    }
  }
  while (path.size() - pos >= PieceLimit) {
    const std::size_t cut = path.rfind('/', pos + PieceLimit);
    if (cut == std::string::npos || cut <= pos) {  // a single name longer than a piece
      ok_ = false;
      return;
    }
    const std::string piece = path.substr(pos, cut - pos);
    const int next = ::openat(fd_, piece.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd_ != AT_FDCWD) ::close(fd_);
    fd_ = next;
    if (fd_ < 0) {
      fd_ = AT_FDCWD;
      ok_ = false;
      return;
    }
    pos = cut + 1;
    while (pos < path.size() && path[pos] == '/') ++pos;
  }
  rest_ = pos < path.size() ? path.substr(pos) : std::string(".");
  name_ = rest_.c_str();
}

ResolvedPath::~ResolvedPath() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace kav
