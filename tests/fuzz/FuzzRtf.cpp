// The report's RTF for any lines: its groups balance, it is plain ASCII, and its visible text
// decodes back to the lines (exactly, for lines of well-formed UTF-8 without control
// characters).

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "ui/viewers/logic/ReportRtf.h"

namespace {

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | code >> 6);
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | code >> 12);
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | code >> 18);
    out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A reader of the RTF subset the writer uses. The body starts after the "\fsN" line; "\par"
// ends a line, "\uN?" is a UTF-16 unit with its one fallback character, other control words
// (with their one delimiting blank) show nothing, and line ends in the file are not text.
std::vector<std::string> VisibleLines(const std::string& rtf) {
  std::size_t at = rtf.find("\\fs");
  FUZZ_CHECK(at != std::string::npos);
  at = rtf.find('\n', at);
  FUZZ_CHECK(at != std::string::npos);
  std::vector<std::string> lines;
  std::string line;
  uint32_t highSurrogate = 0;
  for (++at; at < rtf.size();) {
    const char c = rtf[at];
    if (c == '}' || c == '{') {
      FUZZ_CHECK(c == '}' && at == rtf.size() - 2);  // only the document's closing brace
      break;
    }
    if (c == '\n') {
      ++at;
      continue;
    }
    if (c != '\\') {
      line += c;
      ++at;
      continue;
    }
    FUZZ_CHECK(at + 1 < rtf.size());
    const char next = rtf[at + 1];
    if (!IsLetter(next)) {
      FUZZ_CHECK(next == '\\' || next == '{' || next == '}');
      line += next;
      at += 2;
      continue;
    }
    std::size_t end = at + 1;
    while (end < rtf.size() && IsLetter(rtf[end])) ++end;
    const std::string word = rtf.substr(at + 1, end - at - 1);
    std::size_t numberEnd = end;
    if (numberEnd < rtf.size() && rtf[numberEnd] == '-') ++numberEnd;
    while (numberEnd < rtf.size() && IsDigit(rtf[numberEnd])) ++numberEnd;
    const std::string number = rtf.substr(end, numberEnd - end);
    at = numberEnd;
    if (at < rtf.size() && rtf[at] == ' ') ++at;
    if (word == "par") {
      lines.push_back(line);
      line.clear();
    } else if (word == "u") {
      FUZZ_CHECK(!number.empty() && at < rtf.size() && rtf[at] == '?');
      ++at;
      const long value = std::stol(number);
      FUZZ_CHECK(value >= -32768 && value <= 32767);
      const auto unit = static_cast<uint32_t>(value < 0 ? value + 0x10000 : value);
      if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate = unit;
      } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
        FUZZ_CHECK(highSurrogate != 0);
        AppendUtf8(line, 0x10000 + ((highSurrogate - 0xD800) << 10) + (unit - 0xDC00));
        highSurrogate = 0;
      } else {
        AppendUtf8(line, unit);
      }
    }
  }
  FUZZ_CHECK(line.empty() && highSurrogate == 0);
  return lines;
}

void CheckGroups(const std::string& rtf) {
  long depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    const auto byte = static_cast<unsigned char>(rtf[i]);
    FUZZ_CHECK(byte < 0x80);
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}') {
      FUZZ_CHECK(--depth >= 0);
      FUZZ_CHECK(depth > 0 || i == rtf.size() - 2);
    }
  }
  FUZZ_CHECK(depth == 0);
}

bool ShowsAsIs(const std::string& text) {
  if (!kav::fuzz::IsUtf8(text)) return false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return false;
  }
  return text.find("\xEF\xBF\xBD") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int pointSize = static_cast<int8_t>(data[0]);
  std::vector<kav::ColoredLine> lines;
  for (const std::string& piece : kav::fuzz::Pieces(data + 1, size - 1, '\n')) {
    kav::ColoredLine line;
    line.Text = piece;
    line.Color = piece.empty() ? 0 : static_cast<unsigned char>(piece[0]) * 0x010203U;
    lines.push_back(line);
  }
  const std::string rtf = kav::ReportRtf(lines, pointSize);
  CheckGroups(rtf);
  const std::vector<std::string> shown = VisibleLines(rtf);
  FUZZ_CHECK(shown.size() == lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (ShowsAsIs(lines[i].Text)) FUZZ_CHECK(shown[i] == lines[i].Text);
  }
  return 0;
}
