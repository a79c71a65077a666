// A library for LD_PRELOAD that makes chosen system calls fail on chosen names, so that tests
// can watch a real program meet faults the file system seldom shows. The environment chooses:
//   FAILSYS_READDIR=NAME, FAILSYS_READDIR_AFTER=N  readdir() fails with EIO once N entries
//                                                  ("." and ".." included) came back
//   FAILSYS_CLOSEDIR=NAME                          closedir() closes, then fails with EIO
//   FAILSYS_READ=NAME                              read() fails with EIO
//   FAILSYS_WRITE=NAME                             write() fails with ENOSPC
// NAME matches a directory or file whose path ends with "/NAME".

#include <dirent.h>
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

template <class Function>
Function Next(const char* symbol) {
  return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, symbol));
}

bool PathEndsWith(int fd, const char* name) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  char path[4096];
  const ssize_t got = ::readlink(link, path, sizeof path - 1);
  const std::size_t nameLength = std::strlen(name);
  if (got <= 0 || static_cast<std::size_t>(got) <= nameLength) return false;
  const char* tail = path + got - static_cast<std::ptrdiff_t>(nameLength);
  return std::strncmp(tail, name, nameLength) == 0 && tail[-1] == '/';
}

bool Chosen(const char* variable, int fd) {
  const char* name = std::getenv(variable);
  return name != nullptr && *name != '\0' && fd >= 0 && PathEndsWith(fd, name);
}

// Entries handed out per open directory of the chosen name.
struct DirCount {
  DIR* Dir = nullptr;
  long Seen = 0;
};
DirCount counts[64];

DirCount* CountOf(DIR* dir) {
  DirCount* unused = nullptr;
  for (DirCount& count : counts) {
    if (count.Dir == dir) return &count;
    if (count.Dir == nullptr && unused == nullptr) unused = &count;
  }
  if (unused != nullptr) *unused = DirCount{dir, 0};
  return unused;
}

void Forget(DIR* dir) {
  for (DirCount& count : counts) {
    if (count.Dir == dir) count = DirCount{};
  }
}

// True when this readdir() call is to fail.
bool FailsNow(DIR* dir) {
  if (!Chosen("FAILSYS_READDIR", ::dirfd(dir))) return false;
  const char* after = std::getenv("FAILSYS_READDIR_AFTER");
  const long limit = after != nullptr ? std::atol(after) : 0;
  DirCount* count = CountOf(dir);
  if (count == nullptr || count->Seen >= limit) return true;
  ++count->Seen;
  return false;
}

}  // namespace

extern "C" {

struct dirent* readdir(DIR* dir) {
  static auto real = Next<struct dirent* (*)(DIR*)>("readdir");
  if (FailsNow(dir)) {
    errno = EIO;
    return nullptr;
  }
  return real(dir);
}

struct dirent64* readdir64(DIR* dir) {
  static auto real = Next<struct dirent64* (*)(DIR*)>("readdir64");
  if (FailsNow(dir)) {
    errno = EIO;
    return nullptr;
  }
  return real(dir);
}

int closedir(DIR* dir) {
  static auto real = Next<int (*)(DIR*)>("closedir");
  const bool fail = Chosen("FAILSYS_CLOSEDIR", ::dirfd(dir));
  Forget(dir);
  const int result = real(dir);
  if (!fail || result != 0) return result;
  errno = EIO;
  return -1;
}

ssize_t read(int fd, void* buffer, size_t count) {
  static auto real = Next<ssize_t (*)(int, void*, size_t)>("read");
  if (Chosen("FAILSYS_READ", fd)) {
    errno = EIO;
    return -1;
  }
  return real(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count) {
  static auto real = Next<ssize_t (*)(int, const void*, size_t)>("write");
  if (Chosen("FAILSYS_WRITE", fd)) {
    errno = ENOSPC;
    return -1;
  }
  return real(fd, buffer, count);
}

}  // extern "C"
