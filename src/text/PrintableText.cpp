#include "text/PrintableText.h"

namespace kav {

std::string PrintableText(std::string_view text) {
  std::string out(text);
  MakePrintable(out, 0);
  return out;
}

void MakePrintable(std::string& text, std::size_t from) {
  for (std::size_t k = from; k < text.size(); ++k) {
    const auto code = static_cast<unsigned char>(text[k]);
    if (code < 0x20 || code == 0x7F) text[k] = '?';
  }
}

}  // namespace kav
