#include "report/TextColumns.h"

#include "text/CharacterCut.h"

namespace kav {

void PadToColumns(std::string& text, std::size_t columns) {
  const std::size_t filled = CharacterCount(text);
  if (filled < columns) text.append(columns - filled, ' ');
}

}  // namespace kav
