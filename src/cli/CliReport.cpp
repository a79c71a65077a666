#include "cli/CliReport.h"

#include "core/SingleListRows.h"
#include "core/TreeNode.h"

namespace kav::cli {

std::string_view AnsiColor(uint32_t color) {
  switch (color) {
    case ColorRed:
      return "\x1b[91m";  // bright red: 255, 0, 0 in the common palettes
    case ColorBlue:
      return "\x1b[34m";
    case ColorGreen:
      return "\x1b[32m";
    case ColorMaroon:
      return "\x1b[31m";  // the palette's dark red
    default:
      return {};
  }
}

void WriteLine(std::ostream& out, std::string_view text, uint32_t color, bool colored) {
  const std::string_view escape = colored ? AnsiColor(color) : std::string_view();
  if (escape.empty()) {
    out << text << '\n';
  } else {
    out << escape << text << "\x1b[0m\n";
  }
}

void WriteSingleListReport(RunState& state, std::ostream& out, bool colored) {
  const int rows = static_cast<int>(state.ReportLines.size());
  for (int row = 0; row < rows; ++row) {
    // The colour is decided for every row, coloured or not: a type 5 run records it.
    const uint32_t color = SingleRowColor(state, row);
    WriteLine(out, SingleRowText(state, row), color, colored);
  }
}

void WriteColoredLines(const std::vector<ColoredLine>& lines, std::ostream& out, bool colored) {
  for (const ColoredLine& line : lines) WriteLine(out, line.Text, line.Color, colored);
}

void WritePlainLines(const std::vector<std::string>& lines, std::ostream& out) {
  for (const std::string& line : lines) out << line << '\n';
}

}  // namespace kav::cli
