#include "report/SingleListRows.h"

#include <charconv>
#include <string_view>

#include "text/Format.h"

namespace kav {
namespace {

bool InsideStore(const RunState& state, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < state.ReportLines.size();
}

// The colour of a row of a type 5 run, decided by its tree record. A row without a record
// (the report and the records disagree in length) is left blue, like any non-directory row.
uint32_t TreeRowColor(RunState& state, int row) {
  const TreeNodeList& lines = state.NewTreeLines;
  if (static_cast<std::size_t>(row) >= lines.size() || lines[row] == nullptr) return ColorBlue;
  TreeNode& record = *lines[row];
  uint32_t color = ColorBlue;
  if (record.Kind == NodeDir) {
    color = ColorRed;
    if (state.Options.OptLdeo && row >= 1 && lines[row - 1] != nullptr) {
      const TreeNode& previous = *lines[row - 1];
      if (previous.ParentIndex == record.ParentIndex) {
        color = previous.Color;
      } else {
        color = previous.Color == ColorBlue ? ColorRed : ColorBlue;
      }
    }
  }
  record.Color = color;
  return color;
}

// The colour a summary row gets from its leading characters.
uint32_t SummaryRowColor(std::string_view line, std::string_view prefix) {
  if (!line.empty() && line.front() == '*') return ColorRed;
  if (prefix == "New Dir =") return ColorBlue;
  if (prefix == "Old Dir =") return ColorRed;
  if (line.substr(0, 4) == "I - ") return ColorGreen;
  if (line.substr(0, 4) == "D - ") return ColorBlue;
  return ColorBlack;
}

}  // namespace

std::string SingleRowText(const RunState& state, int row) {
  std::string text;
  AppendSingleRowText(state, row, text);
  return text;
}

void AppendSingleRowText(const RunState& state, int row, std::string& out) {
  if (!InsideStore(state, row)) {
    out += Format("*** Orpheus VCL Program Error  - Invalid index\" %d\" to GetItem*** ",
                  {int64_t{row}});
    return;
  }
  const std::string& line = state.ReportLines[row];
  if (state.SummaryTopLine < row && row < state.SummaryTotalsLine) {
    // "%4d  " without a temporary: asked for every row of a listing.
    char digits[24];
    const int64_t number = int64_t{row} - state.SummaryTopLine;
    const auto length = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    out.append(length < 4 ? 4 - length : 0, ' ').append(digits, length).append("  ");
  } else {
    out += ' ';
  }
  out += line;
}

uint32_t SingleRowColor(RunState& state, int row) {
  if (!InsideStore(state, row)) return ColorGreen;
  const std::string_view line = state.ReportLines[row];
  const std::string_view prefix = line.substr(0, 9);
  uint32_t color = state.ListNewTreeRun ? TreeRowColor(state, row) : SummaryRowColor(line, prefix);
  if (prefix == "Kavendrif" || prefix == "OPTIONS =") color = ColorBlue;
  return color;
}

}  // namespace kav
