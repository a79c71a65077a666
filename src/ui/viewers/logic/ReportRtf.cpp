#include "ui/viewers/logic/ReportRtf.h"

#include <algorithm>

#include "ui/viewers/logic/Utf8Units.h"

namespace kav {
namespace {

void AppendUnit(std::string& out, unsigned unit) {
  // RTF reads the number as a signed 16-bit value.
  const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
  out += "\\u" + std::to_string(value) + "?";
}

void AppendCharacter(std::string& out, char32_t c) {
  if (c == '\\' || c == '{' || c == '}') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c < 0x20 || c == 0x7F || c == 0xFFFD) {
    out += '?';
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c <= 0xFFFF) {
    AppendUnit(out, static_cast<unsigned>(c));
  } else {
    const unsigned rest = static_cast<unsigned>(c) - 0x10000;
    AppendUnit(out, 0xD800 + (rest >> 10));
    AppendUnit(out, 0xDC00 + (rest & 0x3FF));
  }
}

std::vector<uint32_t> ColorsInUse(const std::vector<ColoredLine>& lines) {
  std::vector<uint32_t> colors;
  for (const ColoredLine& line : lines) {
    if (std::find(colors.begin(), colors.end(), line.Color) == colors.end()) {
      colors.push_back(line.Color);
    }
  }
  return colors;
}

std::string ColorTable(const std::vector<uint32_t>& colors) {
  std::string table = "{\\colortbl ;";
  for (uint32_t color : colors) {
    table += "\\red" + std::to_string(color & 0xFF) + "\\green" +
             std::to_string((color >> 8) & 0xFF) + "\\blue" + std::to_string((color >> 16) & 0xFF) +
             ";";
  }
  return table + "}\n";
}

}  // namespace

std::string RtfEscape(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : DecodeUtf8(utf8)) AppendCharacter(out, c);
  return out;
}

std::string ReportPlainText(const std::vector<ColoredLine>& lines) {
  std::string text;
  for (const ColoredLine& line : lines) {
    text += line.Text;
    text += '\n';
  }
  return text;
}

std::string ReportRtf(const std::vector<ColoredLine>& lines, int pointSize) {
  const std::vector<uint32_t> colors = ColorsInUse(lines);
  std::string rtf =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n"
      "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\n";
  rtf += ColorTable(colors);
  rtf += "\\pard\\plain\\f0\\fs" + std::to_string(std::max(1, pointSize) * 2) + "\n";
  std::size_t inForce = 0;  // the colour table's index, 0 before any is set
  for (const ColoredLine& line : lines) {
    const auto at = static_cast<std::size_t>(std::find(colors.begin(), colors.end(), line.Color) -
                                             colors.begin() + 1);
    if (at != inForce) {
      rtf += "\\cf" + std::to_string(at) + " ";
      inForce = at;
    }
    rtf += RtfEscape(line.Text);
    rtf += "\\par\n";
  }
  return rtf + "}\n";
}

}  // namespace kav
