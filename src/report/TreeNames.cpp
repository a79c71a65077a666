#include "report/TreeNames.h"

#include <cstring>

namespace kav {

int NameStart(std::string_view path) {
  if (path.empty()) return 1;
  const bool trailing = path.back() == '/';
  const std::string_view head = trailing ? path.substr(0, path.size() - 1) : path;
  const std::size_t slash = head.rfind('/');
  if (slash == std::string_view::npos) return 1;
  const int position = static_cast<int>(slash) + 1;  // 1-based index of that '/'
  return trailing ? position + 1 : position;
}

int PathDepth(std::string_view path) {
  if (path.empty()) return 0;
  // Called for every line of a listing: memchr skips the long runs between separators.
  int depth = 0;
  const char* at = path.data();
  const char* end = path.data() + path.size() - 1;  // the last character does not count
  while ((at = static_cast<const char*>(
              std::memchr(at, '/', static_cast<std::size_t>(end - at)))) != nullptr) {
    ++depth;
    ++at;
  }
  return depth;
}

std::string EntryName(const TreeNode& entry) {
  if (entry.Level == 0) return FromPosition(entry.Name, NameStart(entry.Name));
  return "/" + entry.Name.str();
}

std::string FromPosition(std::string_view path, int position) {
  std::size_t start = position > 0 ? static_cast<std::size_t>(position - 1) : 0;
  if (start >= path.size()) return std::string();
  return std::string(path.substr(start));
}

}  // namespace kav
