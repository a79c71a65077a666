#include "text/CharacterCut.h"

namespace kav {

std::string CutCharacters(std::string_view text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U;
    if (continuation && i > 0) continue;
    if (characters == limit) return std::string(text.substr(0, i));
    ++characters;
  }
  return std::string(text);
}

}  // namespace kav
