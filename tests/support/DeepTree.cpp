#include "support/DeepTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace kav::test {
namespace {

void RemoveBelow(int parentFd, const std::string& name) {
  const int fd = ::openat(parentFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
  if (fd >= 0) {
    DIR* dir = ::fdopendir(fd);
    if (dir != nullptr) {
      while (struct dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        if (entry == "." || entry == "..") continue;
        if (::unlinkat(fd, entry.c_str(), 0) != 0) RemoveBelow(fd, entry);
      }
      ::closedir(dir);
    } else {
      ::close(fd);
    }
  }
  ::unlinkat(parentFd, name.c_str(), AT_REMOVEDIR);
}

}  // namespace

DeepTree::DeepTree(const std::string& base, int levels, std::size_t nameLength,
                   std::string_view leaf, std::string_view content, std::time_t mtime)
    : base_(base) {
  int fd = ::open(base.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) throw std::runtime_error("cannot open " + base);
  for (int level = 0; level < levels; ++level) {
    const std::string name(nameLength, static_cast<char>('a' + level % 26));
    if (level == 0) top_ = name;
    relative_ += "/" + name;
    if (::mkdirat(fd, name.c_str(), 0700) != 0) throw std::runtime_error("mkdirat failed");
    const int next = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY);
    ::close(fd);
    if (next < 0) throw std::runtime_error("openat failed");
    fd = next;
  }
  const std::string file(leaf);
  relative_ += "/" + file;
  const int out = ::openat(fd, file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  const bool written = out >= 0 && ::write(out, content.data(), content.size()) ==
                                       static_cast<ssize_t>(content.size());
  const struct timespec times[2] = {{mtime, 0}, {mtime, 0}};
  if (out >= 0) ::futimens(out, times);
  if (out >= 0) ::close(out);
  ::close(fd);
  if (!written) throw std::runtime_error("cannot write the deep file");
}

DeepTree::~DeepTree() {
  const int fd = ::open(base_.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  if (!top_.empty()) RemoveBelow(fd, top_);
  ::close(fd);
}

}  // namespace kav::test
