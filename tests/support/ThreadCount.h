#pragma once

#include <dirent.h>

#include <chrono>
#include <cstddef>
#include <thread>

namespace kav::test {

// The threads this process has right now (entries of /proc/self/task).
inline std::size_t ThreadCount() {
  std::size_t count = 0;
  if (DIR* tasks = ::opendir("/proc/self/task")) {
    while (const dirent* e = ::readdir(tasks)) count += e->d_name[0] != '.' ? 1 : 0;
    ::closedir(tasks);
  }
  return count;
}

// The thread count once threads that were joined have left the list too (the kernel lets a
// joined thread finish its exit a moment later): waits up to two seconds for `expected`.
inline std::size_t SettledThreadCount(std::size_t expected) {
  std::size_t count = ThreadCount();
  for (int k = 0; k < 2000 && count != expected; ++k) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    count = ThreadCount();
  }
  return count;
}

// The thread count before a run, once a runtime that starts a thread of its own on the first
// thread created (ThreadSanitizer does) has done so.
inline std::size_t ThreadCountBeforeRun() {
  const std::size_t before = ThreadCount();
  std::thread([] {}).join();
  SettledThreadCount(before);
  return ThreadCount();
}

}  // namespace kav::test
