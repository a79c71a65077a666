#pragma once

#include <dirent.h>

#include <cstddef>

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

}  // namespace kav::test
