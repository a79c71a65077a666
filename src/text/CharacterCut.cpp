#include "text/CharacterCut.h"

namespace kav {
namespace {

bool StartsCharacter(std::string_view text, std::size_t i) {
  return i == 0 || (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text, i)) ++characters;
  }
  return characters;
}

std::size_t CharacterOffset(std::string_view text, std::size_t index) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!StartsCharacter(text, i)) continue;
    if (characters == index) return i;
    ++characters;
  }
  return text.size();
}

std::string CutCharacters(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, CharacterOffset(text, limit)));
}

}  // namespace kav
