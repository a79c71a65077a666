#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace kav::test {

// A chain of nested directories deeper than the kernel's path limit (PATH_MAX), built and
// removed through directory descriptors, since no single path can reach its bottom. The
// deepest directory holds one file. Remove it before the TempTree that holds it goes.
class DeepTree {
 public:
  // `levels` directories named by `nameLength` repeats of a letter (a, b, c, ... by level)
  // under `base`; the file `leaf` with `content` and modification time `mtime` at the bottom.
  DeepTree(const std::string& base, int levels, std::size_t nameLength, std::string_view leaf,
           std::string_view content, std::time_t mtime);
  ~DeepTree();
  DeepTree(const DeepTree&) = delete;
  DeepTree& operator=(const DeepTree&) = delete;

  // The path of the file below `base`, beginning with '/'.
  const std::string& Relative() const { return relative_; }

 private:
  std::string base_;
  std::string top_;  // the first directory's name
  std::string relative_;
};

}  // namespace kav::test
