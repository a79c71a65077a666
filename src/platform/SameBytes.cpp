#include "platform/SameBytes.h"

#include <sys/mman.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>

#include "platform/BlockSource.h"

namespace kav {
namespace {

// The two ranges one thread is comparing, and whether a page of them was lost.
struct BusGuard {
  uintptr_t Begin[2];
  uintptr_t End[2];
  volatile std::sig_atomic_t Faulted;
};
thread_local BusGuard* tGuard = nullptr;
struct sigaction gPrevious = {};  // what SIGBUS did before
uintptr_t gPageSize = 4096;

void OnBusError(int, siginfo_t* info, void*) {
  const int savedErrno = errno;
  BusGuard* guard = tGuard;
  const auto at = reinterpret_cast<uintptr_t>(info->si_addr);
  for (int k = 0; guard != nullptr && k < 2; ++k) {
    if (at < guard->Begin[k] || at >= guard->End[k]) continue;
    // Zeros in place of the lost page, so the compare runs to its end; its answer is dropped.
    // The system call itself: a sanitizer's wrapper of mmap need not be safe in a handler.
    const long mapped = ::syscall(SYS_mmap, at & ~(gPageSize - 1), gPageSize, PROT_READ,
                                  MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (mapped != -1) {
      guard->Faulted = 1;
      errno = savedErrno;
      return;
    }
  }
  // Not a compared view: the fault repeats on return and meets what SIGBUS did before.
  ::sigaction(SIGBUS, &gPrevious, nullptr);
  errno = savedErrno;
}

bool InstallBusHandler() {
  gPageSize = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  struct sigaction action = {};
  action.sa_sigaction = OnBusError;
  action.sa_flags = SA_SIGINFO;
  sigemptyset(&action.sa_mask);
  return ::sigaction(SIGBUS, &action, &gPrevious) == 0;
}

}  // namespace

std::size_t SameBytes(const char* a, const char* b, std::size_t count) {
  if (std::memcmp(a, b, count) == 0) return count;
  std::size_t same = 0;
  while (same < count) {
    const std::size_t block = std::min(BlockSource::BlockSize, count - same);
    if (std::memcmp(a + same, b + same, block) != 0) break;
    same += block;
  }
  return same;
}

std::optional<std::size_t> SameBytesGuarded(const char* a, const char* b, std::size_t count) {
  static const bool installed = InstallBusHandler();
  if (!installed) return std::nullopt;
  // Whole pages: a compare may load a little past its last byte, never past that byte's page.
  auto down = [](const char* p) { return reinterpret_cast<uintptr_t>(p) & ~(gPageSize - 1); };
  auto up = [](const char* p) {
    return (reinterpret_cast<uintptr_t>(p) + gPageSize - 1) & ~(gPageSize - 1);
  };
  BusGuard guard{{down(a), down(b)}, {up(a + count), up(b + count)}, 0};
  tGuard = &guard;
  // The handler must see the guard before the first byte is touched, and until the last.
  std::atomic_signal_fence(std::memory_order_seq_cst);
  const std::size_t same = SameBytes(a, b, count);
  std::atomic_signal_fence(std::memory_order_seq_cst);
  tGuard = nullptr;
  if (guard.Faulted != 0) return std::nullopt;
  return same;
}

}  // namespace kav
