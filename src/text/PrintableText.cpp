#include "text/PrintableText.h"

namespace kav {

std::string PrintableText(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    const auto code = static_cast<unsigned char>(ch);
    if (code < 0x20 || code == 0x7F) ch = '?';
  }
  return out;
}

}  // namespace kav
