#include "tree/TextColumns.h"

namespace kav {

std::size_t ColumnCount(std::string_view text) {
  std::size_t columns = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A continuation byte (10xxxxxx) belongs to the character before it.
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U;
    if (!continuation || i == 0) ++columns;
  }
  return columns;
}

void PadToColumns(std::string& text, std::size_t columns) {
  const std::size_t filled = ColumnCount(text);
  if (filled < columns) text.append(columns - filled, ' ');
}

}  // namespace kav
