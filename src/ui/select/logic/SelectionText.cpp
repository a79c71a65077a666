#include "ui/select/logic/SelectionText.h"

namespace kav {

std::vector<std::string> SplitSelectionText(std::string_view text) {
  std::vector<std::string> items;
  while (!text.empty()) {
    const std::size_t end = text.find(';');
    const std::string_view piece = text.substr(0, end);
    if (!piece.empty()) items.emplace_back(piece);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return items;
}

std::string JoinSelectionText(const std::vector<std::string_view>& items) {
  std::string text;
  for (std::string_view item : items) {
    text += item;
    text += ';';
  }
  return text;
}

}  // namespace kav
