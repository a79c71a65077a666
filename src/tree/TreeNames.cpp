#include "tree/TreeNames.h"

namespace kav {

int NameStart(std::string_view path) {
  int i = static_cast<int>(path.size());  // 1-based index of the last character
  if (i == 0) return 1;
  bool trailing = path[static_cast<std::size_t>(i - 1)] == '/';
  if (trailing) --i;
  while (i > 0 && path[static_cast<std::size_t>(i - 1)] != '/') --i;
  if (i == 0) return 1;
  return trailing ? i + 1 : i;
}

int PathDepth(std::string_view path) {
  int depth = 0;
  for (std::size_t k = 0; k + 1 < path.size(); ++k) {
    if (path[k] == '/') ++depth;
  }
  return depth;
}

int NodeLevel(std::string_view relative) {
  int level = 1;
  for (std::size_t k = 1; k < relative.size(); ++k) {
    if (relative[k] == '/') ++level;
  }
  return level;
}

std::string FromPosition(std::string_view path, int position) {
  std::size_t start = position > 0 ? static_cast<std::size_t>(position - 1) : 0;
  if (start >= path.size()) return std::string();
  return std::string(path.substr(start));
}

}  // namespace kav
