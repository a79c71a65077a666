#include "cli/CliReport.h"

#include "core/TreeNode.h"
#include "report/SingleListRows.h"

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

namespace {

// A line is its colour's escape (when colouring and not black), its text, then the reset.
std::string_view LineStart(uint32_t color, bool colored) {
  return colored ? AnsiColor(color) : std::string_view();
}

std::string_view LineEnd(std::string_view start) {
  return start.empty() ? "\n" : "\x1b[0m\n";
}

void AppendLine(std::string& out, std::string_view text, uint32_t color, bool colored) {
  const std::string_view start = LineStart(color, colored);
  out.append(start).append(text).append(LineEnd(start));
}

// Collects lines and hands them to the stream in large pieces: a report has a line per
// entry, and the stream's per-call overhead would otherwise cost more than building them.
class ChunkedWriter {
 public:
  explicit ChunkedWriter(std::ostream& out) : out_(out) { chunk_.reserve(ChunkSize + 1024); }
  ~ChunkedWriter() { Flush(); }
  ChunkedWriter(const ChunkedWriter&) = delete;
  ChunkedWriter& operator=(const ChunkedWriter&) = delete;

  void Line(std::string_view text, uint32_t color, bool colored) {
    Line(color, colored, [text](std::string& out) { out += text; });
  }

  // A line whose text `fill` appends to the buffer, so it is never held on its own.
  template <typename Fill>
  void Line(uint32_t color, bool colored, Fill fill) {
    const std::string_view start = LineStart(color, colored);
    chunk_ += start;
    fill(chunk_);
    chunk_ += LineEnd(start);
    if (chunk_.size() >= ChunkSize) Flush();
  }

 private:
  static constexpr std::size_t ChunkSize = 1 << 16;

  void Flush() {
    out_.write(chunk_.data(), static_cast<std::streamsize>(chunk_.size()));
    chunk_.clear();
  }

  std::ostream& out_;
  std::string chunk_;
};

}  // namespace

void WriteLine(std::ostream& out, std::string_view text, uint32_t color, bool colored) {
  std::string line;
  AppendLine(line, text, color, colored);
  out << line;
}

void WriteSingleListReport(RunState& state, std::ostream& out, bool colored) {
  ChunkedWriter writer(out);
  const int rows = static_cast<int>(state.ReportLines.size());
  for (int row = 0; row < rows; ++row) {
    // The colour is decided for every row, coloured or not: a type 5 run records it.
    const uint32_t color = SingleRowColor(state, row);
    writer.Line(color, colored,
                [&](std::string& buffer) { AppendSingleRowText(state, row, buffer); });
  }
}

void WriteColoredLines(const std::vector<ColoredLine>& lines, std::ostream& out, bool colored) {
  ChunkedWriter writer(out);
  for (const ColoredLine& line : lines) writer.Line(line.Text, line.Color, colored);
}

void WritePlainLines(const std::vector<std::string>& lines, std::ostream& out) {
  ChunkedWriter writer(out);
  for (const std::string& line : lines) writer.Line(line, ColorBlack, false);
}

void WritePlainLines(const std::function<void(const std::function<void(std::string)>&)>& produce,
                     std::ostream& out) {
  ChunkedWriter writer(out);
  produce([&writer](const std::string& line) { writer.Line(line, ColorBlack, false); });
}

}  // namespace kav::cli
