#include "Underfoot.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace failsys {
namespace {

bool EndsWithName(const char* path, const char* name) {
  const std::size_t length = std::strlen(path);
  const std::size_t nameLength = std::strlen(name);
  if (nameLength == 0 || length <= nameLength) return false;
  const char* tail = path + length - nameLength;
  return std::strcmp(tail, name) == 0 && tail[-1] == '/';
}

// The NAME of the variable when `path` ends with it and the change was not made yet.
const char* Due(const char* variable, const char* path, std::atomic<bool>& done) {
  const char* value = std::getenv(variable);
  if (value == nullptr || done.load()) return nullptr;
  char name[256];
  std::snprintf(name, sizeof name, "%s", value);
  if (char* colon = std::strchr(name, ':')) *colon = '\0';
  if (!EndsWithName(path, name) || done.exchange(true)) return nullptr;
  return value;
}

// Raw system calls, so that the library's own wrappers never see these.
int RawOpen(const char* path, int flags) {
  return static_cast<int>(::syscall(SYS_openat, AT_FDCWD, path, flags | O_CLOEXEC, 0644));
}

void Append(const char* path) {
  const int fd = RawOpen(path, O_WRONLY | O_APPEND);
  if (fd < 0) return;
  char block[4096];
  std::memset(block, 'g', sizeof block);
  ::syscall(SYS_write, fd, block, sizeof block);
  ::syscall(SYS_close, fd);
}

}  // namespace

void BeforeRead(const char* path) {
  static std::atomic<bool> grown{false}, shrunk{false}, replaced{false};
  if (Due("FAILSYS_GROW", path, grown)) Append(path);
  if (Due("FAILSYS_SHRINK", path, shrunk)) (void)::truncate(path, 1);
  if (const char* value = Due("FAILSYS_REPLACE", path, replaced)) {
    if (const char* file = std::strchr(value, ':')) (void)::rename(file + 1, path);
  }
}

void BeforeOpen(const char* path, int flags) {
  static std::atomic<bool> swapped{false};
  if ((flags & O_DIRECTORY) == 0 || !Due("FAILSYS_SWAP_DIR", path, swapped)) return;
  char moved[4200];
  std::snprintf(moved, sizeof moved, "%s.moved", path);
  if (::rename(path, moved) != 0) return;
  const int fd = RawOpen(path, O_WRONLY | O_CREAT | O_EXCL);
  if (fd >= 0) ::syscall(SYS_close, fd);
}

void BeforeReaddir() {
  const char* slow = std::getenv("FAILSYS_SLOW_READDIR_US");
  if (slow != nullptr) ::usleep(static_cast<useconds_t>(std::atoi(slow)));
}

}  // namespace failsys
