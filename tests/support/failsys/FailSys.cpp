// A library for LD_PRELOAD that makes chosen system calls fail, so that tests can watch a
// real program meet faults the file system seldom shows.
//
// By name, for hand-written cases:
//   FAILSYS_READDIR=NAME, FAILSYS_READDIR_AFTER=N  readdir() fails with EIO once N entries
//                                                  ("." and ".." included) came back
//   FAILSYS_CLOSEDIR=NAME                          closedir() closes, then fails with EIO
//   FAILSYS_READ=NAME                              read() fails with EIO
//   FAILSYS_WRITE=NAME                             write() fails with ENOSPC
// NAME matches a directory or file whose path ends with "/NAME".
//
// By seed, for the fault-injection driver (SeededFaults.h says which call may meet what):
//   FAILSYS_SEED=N      the seed; without it no seeded fault is made
//   FAILSYS_UNDER=PATH  only calls on paths that start with PATH (and writes to standard
//                       output) may fail, so the loader, the locale and the like never do
//   FAILSYS_RATE=N      of every 1000 such calls about N fail (default 20)
//   FAILSYS_KINDS=hard  only errors; =soft only EINTR and short counts; unset: both
//   FAILSYS_LOG=FILE    each fault made is appended to FILE as "CALL EFFECT PATH"
// Whether a call fails depends on the seed, the call, its path and (for reads, readdir and
// writes) where in the file or listing it is, never on the order of calls, so a seed gives
// the same faults whatever threads the program runs. Nothing here takes a lock.

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "SeededFaults.h"
#include "Underfoot.h"

namespace {

using failsys::Effect;

// The next definition of a symbol, looked up once; safe to call from any thread.
template <class Function>
Function Next(std::atomic<void*>& slot, const char* symbol) {
  void* found = slot.load(std::memory_order_acquire);
  if (found == nullptr) {
    found = ::dlsym(RTLD_NEXT, symbol);
    slot.store(found, std::memory_order_release);
  }
  return reinterpret_cast<Function>(found);
}
// What a call returns when there is no next definition to pass it to.
template <class Result, class... Args>
Result Missing(Result (*)(Args...)) {
  errno = ENOSYS;
  if constexpr (std::is_pointer_v<Result>) {
    return nullptr;
  } else {
    return -1;
  }
}
template <class Result, class... Args>
Result Missing(Result (*)(Args..., ...)) {
  errno = ENOSYS;
  return -1;
}
#define REAL(type, name)                      \
  static std::atomic<void*> name##_slot{};    \
  auto real = Next<type>(name##_slot, #name); \
  if (real == nullptr) return Missing(real);

bool FdPath(int fd, char* path, std::size_t size) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const ssize_t got = ::readlink(link, path, size - 1);
  if (got <= 0) return false;
  path[got] = '\0';
  return true;
}

bool PathEndsWith(int fd, const char* name) {
  char path[4096];
  if (!FdPath(fd, path, sizeof path)) return false;
  const std::size_t length = std::strlen(path);
  const std::size_t nameLength = std::strlen(name);
  if (length <= nameLength) return false;
  const char* tail = path + length - nameLength;
  return std::strcmp(tail, name) == 0 && tail[-1] == '/';
}

bool Chosen(const char* variable, int fd) {
  const char* name = std::getenv(variable);
  return name != nullptr && *name != '\0' && fd >= 0 && PathEndsWith(fd, name);
}

// Entries handed out per open directory of the chosen name (FAILSYS_READDIR_AFTER).
struct DirCount {
  std::atomic<DIR*> Dir{nullptr};
  std::atomic<long> Seen{0};
};
DirCount counts[64];

DirCount* CountOf(DIR* dir) {
  for (DirCount& count : counts) {
    if (count.Dir.load() == dir) return &count;
  }
  for (DirCount& count : counts) {
    DIR* expected = nullptr;
    if (count.Dir.compare_exchange_strong(expected, dir)) {
      count.Seen = 0;
      return &count;
    }
  }
  return nullptr;
}

void Forget(DIR* dir) {
  for (DirCount& count : counts) {
    DIR* expected = dir;
    count.Dir.compare_exchange_strong(expected, nullptr);
  }
}

bool NamedReaddirFails(DIR* dir) {
  if (!Chosen("FAILSYS_READDIR", ::dirfd(dir))) return false;
  const char* after = std::getenv("FAILSYS_READDIR_AFTER");
  const long limit = after != nullptr ? std::atol(after) : 0;
  DirCount* count = CountOf(dir);
  return count == nullptr || count->Seen.fetch_add(1) >= limit;
}

// ---- seeded faults ----

// The full path of `name` as seen from `dirFd` (AT_FDCWD or an open directory).
bool AtPath(int dirFd, const char* name, char* path, std::size_t size) {
  if (name == nullptr) return false;
  if (name[0] == '/') {
    std::snprintf(path, size, "%s", name);
    return true;
  }
  char base[4096];
  if (dirFd == AT_FDCWD) {
    if (::getcwd(base, sizeof base) == nullptr) return false;
  } else if (!FdPath(dirFd, base, sizeof base)) {
    return false;
  }
  std::snprintf(path, size, "%s/%s", base, name);
  return true;
}

void Log(const char* call, Effect effect, const char* path) {
  static std::atomic<int> logFd{-2};
  int fd = logFd.load();
  if (fd == -2) {
    const char* file = std::getenv("FAILSYS_LOG");
    fd = file == nullptr
             ? -1
             : static_cast<int>(::syscall(SYS_openat, AT_FDCWD, file,
                                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    int expected = -2;
    if (!logFd.compare_exchange_strong(expected, fd) && fd >= 0) {
      ::syscall(SYS_close, fd);
      fd = expected;
    }
  }
  if (fd < 0) return;
  char line[4200];
  const int length =
      std::snprintf(line, sizeof line, "%s %s %s\n", call, failsys::EffectName(effect), path);
  if (length > 0) {
    ::syscall(SYS_write, fd, line,
              static_cast<std::size_t>(std::min<int>(length, sizeof line - 1)));
  }
}

// What the seed says for this call on this path at this place; logs what it makes.
Effect Decide(failsys::Call call, const char* path, uint64_t place) {
  const Effect effect = failsys::Settings().Decide(call, path, place);
  if (effect != Effect::None) Log(failsys::CallName(call), effect, path);
  return effect;
}

// Looking a path up must not leave its errno behind: a caller may read errno after a call
// that worked (readdir's end of the listing, for one).
class KeptErrno {
 public:
  KeptErrno() : saved_(errno) {}
  ~KeptErrno() { errno = saved_; }
  KeptErrno(const KeptErrno&) = delete;
  KeptErrno& operator=(const KeptErrno&) = delete;

 private:
  int saved_;
};

Effect DecideAt(failsys::Call call, int dirFd, const char* name) {
  if (!failsys::Settings().Active()) return Effect::None;
  const KeptErrno kept;
  char path[4200];
  if (!AtPath(dirFd, name, path, sizeof path)) return Effect::None;
  return Decide(call, path, 0);
}

Effect DecideFd(failsys::Call call, int fd, uint64_t place) {
  if (!failsys::Settings().Active()) return Effect::None;
  const KeptErrno kept;
  char path[4096];
  if (fd == STDOUT_FILENO && call == failsys::Call::Write) {
    std::snprintf(path, sizeof path, "<stdout>");
  } else if (!FdPath(fd, path, sizeof path)) {
    return Effect::None;
  }
  return Decide(call, path, place);
}

// The same read is not interrupted twice in a row, so a program that retries gets on.
thread_local int interruptedFd = -1;
thread_local int64_t interruptedAt = -1;

bool Retried(int fd, int64_t at) {
  const bool again = interruptedFd == fd && interruptedAt == at;
  interruptedFd = -1;
  interruptedAt = -1;
  return again;
}

void RememberInterrupt(int fd, int64_t at) {
  interruptedFd = fd;
  interruptedAt = at;
}

// Applies a read or write effect: -1 with errno set, or the (possibly shortened) count to ask
// the real call for.
ssize_t Apply(Effect effect, int fd, int64_t at, std::size_t& count) {
  if (effect == Effect::Short) {
    if (count > 1) count = 1 + static_cast<std::size_t>(at) % (count - 1);
    return 0;
  }
  if (effect == Effect::Interrupt) {
    RememberInterrupt(fd, at);
    errno = EINTR;
    return -1;
  }
  errno = failsys::ErrnoOf(effect);
  return -1;
}

ssize_t SeededRead(int fd, int64_t at, std::size_t& count) {
  if (!failsys::Settings().Active() || Retried(fd, at)) return 0;
  const Effect effect =
      DecideFd(failsys::Call::Read, fd, static_cast<uint64_t>(at) * 2654435761U + count);
  return effect == Effect::None ? 0 : Apply(effect, fd, at, count);
}

std::atomic<int64_t> stdoutBytes{0};

bool underfootWanted = false;  // set once at load time

void ChangeUnderfoot(int fd) {
  const bool wanted = underfootWanted;
  if (!wanted) return;
  const KeptErrno kept;
  char path[4096];
  if (wanted && FdPath(fd, path, sizeof path)) failsys::BeforeRead(path);
}

int OpenFails(int dirFd, const char* path, int flags) {
  if (std::getenv("FAILSYS_SWAP_DIR") != nullptr) {
    char full[4200];
    if (AtPath(dirFd, path, full, sizeof full)) failsys::BeforeOpen(full, flags);
  }
  const Effect effect = DecideAt(failsys::Call::Open, dirFd, path);
  if (effect == Effect::None) return 0;
  errno = failsys::ErrnoOf(effect);
  return -1;
}

int StatFails(int dirFd, const char* path) {
  const Effect effect = DecideAt(failsys::Call::Stat, dirFd, path);
  if (effect == Effect::None) return 0;
  errno = failsys::ErrnoOf(effect);
  return -1;
}

int FdStatFails(int fd) {
  const Effect effect = DecideFd(failsys::Call::Stat, fd, 0);
  if (effect == Effect::None) return 0;
  errno = failsys::ErrnoOf(effect);
  return -1;
}

// Apart from the callers, whose path the C library declares never null.
__attribute__((noinline)) bool EmptyPath(const char* path) {
  return path == nullptr || *path == '\0';
}

mode_t ModeOf(int flags, va_list args) {
  return (flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE
             ? static_cast<mode_t>(va_arg(args, int))
             : 0;
}

__attribute__((constructor)) void LoadSeededFaults() {
  failsys::Settings().Load();
  underfootWanted = std::getenv("FAILSYS_GROW") != nullptr ||
                    std::getenv("FAILSYS_SHRINK") != nullptr ||
                    std::getenv("FAILSYS_REPLACE") != nullptr;
}

}  // namespace

extern "C" {

// ---- opening ----

#define FAILSYS_OPEN(name)                                \
  int name(const char* path, int flags, ...) {            \
    va_list args;                                         \
    va_start(args, flags);                                \
    const mode_t mode = ModeOf(flags, args);              \
    va_end(args);                                         \
    REAL(int (*)(const char*, int, ...), name)            \
    if (OpenFails(AT_FDCWD, path, flags) != 0) return -1; \
    return real(path, flags, mode);                       \
  }
#define FAILSYS_OPENAT(name)                              \
  int name(int dirFd, const char* path, int flags, ...) { \
    va_list args;                                         \
    va_start(args, flags);                                \
    const mode_t mode = ModeOf(flags, args);              \
    va_end(args);                                         \
    REAL(int (*)(int, const char*, int, ...), name)       \
    if (OpenFails(dirFd, path, flags) != 0) return -1;    \
    return real(dirFd, path, flags, mode);                \
  }
FAILSYS_OPEN(open)
FAILSYS_OPEN(open64)
FAILSYS_OPENAT(openat)
FAILSYS_OPENAT(openat64)

int __open_2(const char* path, int flags) {
  REAL(int (*)(const char*, int), __open_2)
  if (OpenFails(AT_FDCWD, path, flags) != 0) return -1;
  return real(path, flags);
}
int __open64_2(const char* path, int flags) {
  REAL(int (*)(const char*, int), __open64_2)
  if (OpenFails(AT_FDCWD, path, flags) != 0) return -1;
  return real(path, flags);
}
int __openat_2(int dirFd, const char* path, int flags) {
  REAL(int (*)(int, const char*, int), __openat_2)
  if (OpenFails(dirFd, path, flags) != 0) return -1;
  return real(dirFd, path, flags);
}
int __openat64_2(int dirFd, const char* path, int flags) {
  REAL(int (*)(int, const char*, int), __openat64_2)
  if (OpenFails(dirFd, path, flags) != 0) return -1;
  return real(dirFd, path, flags);
}

DIR* opendir(const char* path) {
  REAL(DIR * (*)(const char*), opendir)
  if (OpenFails(AT_FDCWD, path, O_DIRECTORY) != 0) return nullptr;
  return real(path);
}

// ---- facts ----

#define FAILSYS_STAT_PATH(name, type)              \
  int name(const char* path, struct type* st) {    \
    REAL(int (*)(const char*, struct type*), name) \
    if (StatFails(AT_FDCWD, path) != 0) return -1; \
    return real(path, st);                         \
  }
#define FAILSYS_STAT_AT(name, type)                                   \
  int name(int dirFd, const char* path, struct type* st, int flags) { \
    REAL(int (*)(int, const char*, struct type*, int), name)          \
    if ((flags & AT_EMPTY_PATH) != 0 && EmptyPath(path)) {            \
      if (FdStatFails(dirFd) != 0) return -1;                         \
    } else if (StatFails(dirFd, path) != 0) {                         \
      return -1;                                                      \
    }                                                                 \
    return real(dirFd, path, st, flags);                              \
  }
#define FAILSYS_STAT_FD(name, type)        \
  int name(int fd, struct type* st) {      \
    REAL(int (*)(int, struct type*), name) \
    if (FdStatFails(fd) != 0) return -1;   \
    return real(fd, st);                   \
  }
FAILSYS_STAT_PATH(stat, stat)
FAILSYS_STAT_PATH(stat64, stat64)
FAILSYS_STAT_PATH(lstat, stat)
FAILSYS_STAT_PATH(lstat64, stat64)
FAILSYS_STAT_AT(fstatat, stat)
FAILSYS_STAT_AT(fstatat64, stat64)
FAILSYS_STAT_AT(newfstatat, stat)
FAILSYS_STAT_FD(fstat, stat)
FAILSYS_STAT_FD(fstat64, stat64)

int statx(int dirFd, const char* path, int flags, unsigned mask, struct statx* st) {
  REAL(int (*)(int, const char*, int, unsigned, struct statx*), statx)
  if ((flags & AT_EMPTY_PATH) != 0 && EmptyPath(path)) {
    if (FdStatFails(dirFd) != 0) return -1;
  } else if (StatFails(dirFd, path) != 0) {
    return -1;
  }
  return real(dirFd, path, flags, mask, st);
}

// ---- listing ----

#define FAILSYS_READDIR(name, type)                                              \
  struct type* name(DIR* dir) {                                                  \
    REAL(struct type* (*)(DIR*), name)                                           \
    failsys::BeforeReaddir();                                                    \
    if (NamedReaddirFails(dir)) {                                                \
      errno = EIO;                                                               \
      return nullptr;                                                            \
    }                                                                            \
    struct type* entry = real(dir);                                              \
    if (entry == nullptr || !failsys::Settings().Active()) return entry;         \
    const uint64_t place = failsys::TextHash(entry->d_name);                     \
    if (DecideFd(failsys::Call::Readdir, ::dirfd(dir), place) != Effect::None) { \
      errno = EIO;                                                               \
      return nullptr;                                                            \
    }                                                                            \
    return entry;                                                                \
  }
FAILSYS_READDIR(readdir, dirent)
FAILSYS_READDIR(readdir64, dirent64)

// ---- closing ----

int closedir(DIR* dir) {
  REAL(int (*)(DIR*), closedir)
  const bool named = Chosen("FAILSYS_CLOSEDIR", ::dirfd(dir));
  const bool seeded = DecideFd(failsys::Call::Close, ::dirfd(dir), 0) != Effect::None;
  Forget(dir);
  const int result = real(dir);
  if ((!named && !seeded) || result != 0) return result;
  errno = EIO;
  return -1;
}

int close(int fd) {
  REAL(int (*)(int), close)
  const bool seeded = DecideFd(failsys::Call::Close, fd, 0) != Effect::None;
  const int result = real(fd);
  if (!seeded || result != 0) return result;
  errno = EIO;
  return -1;
}

// ---- reading ----

ssize_t read(int fd, void* buffer, size_t count) {
  REAL(ssize_t(*)(int, void*, size_t), read)
  if (Chosen("FAILSYS_READ", fd)) {
    errno = EIO;
    return -1;
  }
  ChangeUnderfoot(fd);
  if (failsys::Settings().Active()) {
    const int64_t at = [fd] {
      const KeptErrno kept;  // a pipe has no offset
      return static_cast<int64_t>(::lseek(fd, 0, SEEK_CUR));
    }();
    if (at >= 0 && SeededRead(fd, at, count) < 0) return -1;
  }
  return real(fd, buffer, count);
}

ssize_t __read_chk(int fd, void* buffer, size_t count, size_t) {
  return read(fd, buffer, count);
}

#define FAILSYS_PREAD(name, offsetType)                                     \
  ssize_t name(int fd, void* buffer, size_t count, offsetType offset) {     \
    REAL(ssize_t (*)(int, void*, size_t, offsetType), name)                 \
    if (Chosen("FAILSYS_READ", fd)) {                                       \
      errno = EIO;                                                          \
      return -1;                                                            \
    }                                                                       \
    ChangeUnderfoot(fd);                                                    \
    if (SeededRead(fd, static_cast<int64_t>(offset), count) < 0) return -1; \
    return real(fd, buffer, count, offset);                                 \
  }
FAILSYS_PREAD(pread, off_t)
FAILSYS_PREAD(pread64, off64_t)

// ---- writing ----

ssize_t write(int fd, const void* buffer, size_t count) {
  REAL(ssize_t(*)(int, const void*, size_t), write)
  if (Chosen("FAILSYS_WRITE", fd)) {
    errno = ENOSPC;
    return -1;
  }
  if (fd == STDOUT_FILENO && failsys::Settings().Active()) {
    const int64_t at = stdoutBytes.load();
    if (!Retried(fd, at)) {
      const Effect effect = DecideFd(failsys::Call::Write, fd, static_cast<uint64_t>(at));
      if (effect != Effect::None && Apply(effect, fd, at, count) < 0) return -1;
    }
    const ssize_t wrote = real(fd, buffer, count);
    if (wrote > 0) stdoutBytes += wrote;
    return wrote;
  }
  return real(fd, buffer, count);
}

}  // extern "C"
