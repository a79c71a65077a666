#include "ui/viewers/logic/GraphFind.h"

#include <algorithm>

namespace kav {

long long FindReportTextDown(std::u16string_view text, std::u16string_view pattern,
                             long long caret) {
  if (pattern.empty()) return -1;
  const long long from = std::max(0LL, caret + 1);
  if (from >= static_cast<long long>(text.size())) return -1;
  const std::size_t found = text.find(pattern, static_cast<std::size_t>(from));
  return found == std::u16string_view::npos ? -1 : static_cast<long long>(found);
}

long long FindReportTextUp(std::u16string_view text, std::u16string_view pattern, long long caret) {
  if (pattern.empty() || caret <= 0) return -1;
  const std::size_t end = std::min(text.size(), static_cast<std::size_t>(caret));
  const std::u16string_view before = text.substr(0, end);
  // The last match found by searching forward from each previous match + 1, which is the
  // match that starts last among those that end before the caret.
  const std::size_t found = before.rfind(pattern);
  return found == std::u16string_view::npos ? -1 : static_cast<long long>(found);
}

}  // namespace kav
