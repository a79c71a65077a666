#include "report/SplitLayouts.h"

#include <algorithm>

#include "report/SplitRows.h"
#include "report/TextColumns.h"
#include "text/CharacterCut.h"
#include "text/PrintableText.h"

namespace kav {
namespace {

using Lines = std::vector<std::string>;

Lines Collect(const std::function<void(const LineSink&)>& write) {
  Lines lines;
  write([&lines](std::string line) { lines.push_back(std::move(line)); });
  return lines;
}

int RowCount(const RunState& state, SplitSide side) {
  const TreeNodeList& rows = side == SplitSide::Left ? state.NewTreeLines : state.OldTreeLines;
  return static_cast<int>(rows.size());
}

// The displayed row, or nothing where the list has no such row (the viewer shows none).
std::string ShownRow(const RunState& state, SplitSide side, int row) {
  if (row < 0 || row >= RowCount(state, side)) return std::string();
  return PrintableText(SplitRowText(state, side, row));
}

void AddRows(const LineSink& lines, const RunState& state, SplitSide side, int from, int to) {
  for (int row = from; row < to && row < RowCount(state, side); ++row) {
    lines(ShownRow(state, side, row));
  }
}

std::string FirstLine(std::string_view title) {
  return title.empty() ? std::string(" ") : PrintableText(title);
}

// One line of the side-by-side layout: `left` from column 1, `right` from column w + 2.
std::string SideBySideLine(const std::string& left, const std::string& right, std::size_t w,
                           std::size_t width) {
  std::string line = CutCharacters(left, w);
  PadToColumns(line, w + 1);
  line += CutCharacters(right, w);
  PadToColumns(line, width);
  return line;
}

}  // namespace

void WriteTreeListFileLines(const RunState& state, const LineSink& lines) {
  lines("Kavendrift Double Tree List Program Report - " + state.StartStamp);
  lines(" ");
  lines(PrintableText(" Section 1 -- NewFile = " + state.Panel.MnCbNewDirNm));
  lines(state.Split.LeftHeader);
  AddRows(lines, state, SplitSide::Left, 0, RowCount(state, SplitSide::Left));
  lines(" ");
  lines(PrintableText(" Section 2 -- OldFile = " + state.Panel.MnCbOldDirNm));
  lines(state.Split.RightHeader);
  AddRows(lines, state, SplitSide::Right, 0, RowCount(state, SplitSide::Right));
}

void WriteSideBySideFileLines(const RunState& state, int sideWidth, std::string_view title,
                              const LineSink& lines) {
  const std::size_t w = static_cast<std::size_t>(std::max(sideWidth, 0));
  const std::size_t width = std::max<std::size_t>(131, 2 * w + 2);
  lines(FirstLine(title));
  lines("Kavendrift \"Insert/Delete\" Side-By-Side Report - " + state.StartStamp);
  lines(" ");
  lines(PrintableText("NewFile = " + state.Panel.MnCbNewDirNm));
  lines(PrintableText("OldFile = " + state.Panel.MnCbOldDirNm));
  lines(state.Split.LeftHeader);
  const int numbered = state.NewNumberedCount;
  for (int row = 1; row < numbered; ++row) {
    lines(SideBySideLine(ShownRow(state, SplitSide::Left, row),
                         ShownRow(state, SplitSide::Right, row), w, width));
  }
  for (int row = std::max(numbered, 0); row < RowCount(state, SplitSide::Left); ++row) {
    std::string line = CutCharacters(ShownRow(state, SplitSide::Left, row), width);
    PadToColumns(line, width);
    lines(std::move(line));
  }
}

void WriteStackedFileLines(const RunState& state, std::string_view title, const LineSink& lines) {
  if (!state.Options.OptOvso) lines(FirstLine(title));
  lines("Kavendrift Double-Stacked Compare Report");
  lines(" ");
  const int numbered = state.NewNumberedCount;
  if (!state.Options.OptOvso) {
    lines("Section 1 -- " + ShownRow(state, SplitSide::Left, 0));
    lines(state.Split.LeftHeader);
    AddRows(lines, state, SplitSide::Left, 1, numbered);
    lines(" ");
    lines("Section 2 -- " + ShownRow(state, SplitSide::Right, 0));
    lines(state.Split.RightHeader);
    AddRows(lines, state, SplitSide::Right, 1, numbered);
  }
  AddRows(lines, state, SplitSide::Left, std::max(numbered, 0), RowCount(state, SplitSide::Left));
}

Lines TreeListFileLines(const RunState& state) {
  return Collect([&state](const LineSink& lines) { WriteTreeListFileLines(state, lines); });
}

Lines SideBySideFileLines(const RunState& state, int sideWidth, std::string_view title) {
  return Collect(
      [&](const LineSink& lines) { WriteSideBySideFileLines(state, sideWidth, title, lines); });
}

Lines StackedFileLines(const RunState& state, std::string_view title) {
  return Collect([&](const LineSink& lines) { WriteStackedFileLines(state, title, lines); });
}

}  // namespace kav
