#include "platform/IniFile.h"

#include <cctype>

#include "platform/AtomicFile.h"

namespace kav {
namespace {

// Some editors start a UTF-8 file with this mark; it belongs to no line.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The lines of a text, each with its own line end ('\n', or "\r\n") when it has one, so that
// lines can be copied byte for byte.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// A line without its line end.
std::string_view Bare(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view WithoutMark(std::string_view text) {
  if (text.starts_with(ByteOrderMark)) text.remove_prefix(ByteOrderMark.size());
  return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// The name of a "[name]" header line (blanks around it allowed); false for any other line.
bool SectionHeader(std::string_view line, std::string_view& name) {
  std::size_t first = line.find_first_not_of(" \t");
  if (first == std::string_view::npos || line[first] != '[') return false;
  std::size_t close = line.find(']', first);
  if (close == std::string_view::npos) return false;
  name = line.substr(first + 1, close - first - 1);
  return true;
}

bool IsBlankOrComment(std::string_view line) {
  std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == ';';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string EscapeIniValue(std::string_view value) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnescapeIniValue(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    char next = i + 1 < text.size() ? text[i + 1] : '\0';
    if (c != '\\' || next == '\0') {
      out += c;
    } else if (next == '\\' || next == 'n' || next == 'r' || next == 't') {
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
      ++i;
    } else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 &&
               HexDigit(text[i + 3]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
      i += 3;
    } else {
      out += c;
    }
  }
  return out;
}

bool ReadIniSection(const std::string& path, std::string_view section,
                    std::vector<std::string>& lines) {
  std::string content;
  if (!ReadWholeFile(path, content)) return false;
  bool inside = false;
  for (std::string_view raw : SplitLines(WithoutMark(content))) {
    std::string_view line = Bare(raw);
    std::string_view name;
    if (SectionHeader(line, name)) {
      inside = SameNoCase(name, section);
    } else if (inside && !IsBlankOrComment(line)) {
      lines.push_back(UnescapeIniValue(line));
    }
  }
  return true;
}

std::string WriteIniSection(const std::string& path, std::string_view section,
                            const std::vector<IniKeyValue>& entries) {
  std::string block = "[" + std::string(section) + "]\n";
  for (const IniKeyValue& entry : entries) {
    block += EscapeIniValue(entry.Key) + "=" + EscapeIniValue(entry.Value) + "\n";
  }

  // Every other section stays where it was, byte for byte, and so does a byte-order mark;
  // the rewritten one takes the place of the first section of that name, and any later
  // duplicate of it goes.
  std::string old;
  std::string out;
  bool placed = false;
  bool skipping = false;
  if (ReadWholeFile(path, old)) {
    const std::string_view body = WithoutMark(old);
    out.append(old, 0, old.size() - body.size());
    for (std::string_view raw : SplitLines(body)) {
      std::string_view name;
      if (SectionHeader(Bare(raw), name)) {
        skipping = SameNoCase(name, section);
        if (skipping && !placed) {
          out += block;
          placed = true;
        }
      }
      if (!skipping) out.append(raw);
    }
  }
  if (!placed) {
    if (!out.empty() && out.back() != '\n' && out != ByteOrderMark) out += '\n';
    out += block;
  }
  return WriteFileAtomically(path, out);
}

}  // namespace kav
