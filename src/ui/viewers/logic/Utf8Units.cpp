#include "ui/viewers/logic/Utf8Units.h"

namespace kav {
namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Decodes the sequence at `at`; returns the code point and sets `length` to the bytes used.
char32_t DecodeOne(std::string_view text, std::size_t at, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t need = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    need = 1, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    need = 2, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    need = 3, value = lead & 0x07, smallest = 0x10000;
  } else {
    return Replacement;
  }
  if (at + need >= text.size()) return Replacement;
  for (std::size_t i = 1; i <= need; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return Replacement;
    value = (value << 6) | (byte & 0x3F);
  }
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return Replacement;
  }
  length = need + 1;
  return value;
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string points;
  points.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t length = 1;
    points.push_back(DecodeOne(text, at, length));
    at += length;
  }
  return points;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t length = 1;
    units += DecodeOne(text, at, length) > 0xFFFF ? 2 : 1;
    at += length;
  }
  return units;
}

}  // namespace kav
