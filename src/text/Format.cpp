#include "text/Format.h"

#include <algorithm>
#include <cctype>

#include <charconv>
#include "text/CharacterCut.h"

namespace kav {
namespace {

struct Conversion {
  bool left = false;
  std::size_t width = 0;
  char letter = 0;
};

// Reads "[-][width][.[digits]]letter" starting after the '%'; returns the index after it.
std::size_t ParseConversion(std::string_view p, std::size_t i, Conversion& c) {
  if (i < p.size() && p[i] == '-') {
    c.left = true;
    ++i;
  }
  while (i < p.size() && std::isdigit(static_cast<unsigned char>(p[i]))) {
    c.width = std::min(MaxFormatWidth, c.width * 10 + static_cast<std::size_t>(p[i] - '0'));
    ++i;
  }
  if (i < p.size() && p[i] == '.') {
    ++i;
    while (i < p.size() && std::isdigit(static_cast<unsigned char>(p[i]))) ++i;
  }
  if (i < p.size()) c.letter = p[i++];
  return i;
}

std::string ArgText(const FormatArg& arg) {
  if (const auto* n = std::get_if<int64_t>(&arg)) return std::to_string(*n);
  return std::string(std::get<std::string_view>(arg));
}

// Columns are characters, not bytes: a UTF-8 name must line up like an ASCII one.
void AppendPadded(std::string& out, const std::string& text, const Conversion& c) {
  const std::size_t length = c.width == 0 ? 0 : CharacterCount(text);  // no width: no count
  const std::size_t pad = length < c.width ? c.width - length : 0;
  if (!c.left) out.append(pad, ' ');
  out += text;
  if (c.left) out.append(pad, ' ');
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(pattern.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size();) {
    if (pattern[i] != '%') {
      out += pattern[i++];
      continue;
    }
    if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
      out += '%';
      i += 2;
      continue;
    }
    Conversion c;
    i = ParseConversion(pattern, i + 1, c);
    if (next == args.end()) continue;
    AppendPadded(out, ArgText(*next++), c);
  }
  return out;
}

std::string FormatThousands(int64_t value, std::string_view separator) {
  // Called for every line of a listing: digits on the stack, one exactly sized result.
  char digits[24];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const std::size_t start = (value < 0) ? 1 : 0;
  const std::size_t count = static_cast<std::size_t>(end - digits) - start;
  std::string out;
  out.reserve(start + count + (count - 1) / 3 * separator.size());
  out.append(digits, start);
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0 && (count - k) % 3 == 0) out += separator;
    out += digits[start + k];
  }
  return out;
}

std::string Cut(std::string_view text, std::size_t limit) {
  return std::string(text.substr(0, limit));
}

std::string ToLower(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace kav
