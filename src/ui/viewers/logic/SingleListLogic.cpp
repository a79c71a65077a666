#include "ui/viewers/logic/SingleListLogic.h"

#include <algorithm>

#include "report/SingleListRows.h"
#include "text/Format.h"
#include "ui/viewers/logic/StoredGeometry.h"

namespace kav {
namespace {

// The kinds of change a search may stop on.
enum class SpanFilter { Any, DI, IA, DA };

std::string_view CodeOf(const StringList& lines, int row) {
  std::string_view line = lines[static_cast<std::size_t>(row)];
  return line.substr(0, 3);
}

SpanFilter FilterFrom(std::string_view code) {
  if (code == "I -") return SpanFilter::DA;
  if (code == "D -") return SpanFilter::IA;
  if (code == "*  ") return SpanFilter::DI;
  return SpanFilter::Any;
}

bool Accepts(SpanFilter filter, std::string_view code) {
  bool inserted = code == "I -";
  bool deleted = code == "D -";
  bool changed = code == "*  ";
  switch (filter) {
    case SpanFilter::Any:
      return inserted || deleted || changed;
    case SpanFilter::DI:
      return inserted || deleted;
    case SpanFilter::IA:
      return inserted || changed;
    case SpanFilter::DA:
      return deleted || changed;
  }
  return false;
}

bool Reopens(std::string_view code) {
  return code == "   " || code == "New" || code == "Old" || code == "Ref";
}

// Walks rows from `start` by `step` while `inRange` holds, stopping on an accepted change.
template <typename InRange>
int SearchSpan(const StringList& lines, int start, int step, SpanFilter filter, InRange inRange) {
  for (int row = start; inRange(row); row += step) {
    std::string_view code = CodeOf(lines, row);
    if (Reopens(code)) {
      filter = SpanFilter::Any;
    } else if (Accepts(filter, code)) {
      return row;
    }
  }
  return -1;
}

}  // namespace

int NextChangeSpanDown(const StringList& lines, int selected) {
  const int count = static_cast<int>(lines.size());
  if (selected < 3) {
    return SearchSpan(lines, 4, 1, SpanFilter::Any, [count](int row) { return row < count; });
  }
  SpanFilter filter = selected < count ? FilterFrom(CodeOf(lines, selected)) : SpanFilter::Any;
  return SearchSpan(lines, selected + 1, 1, filter, [count](int row) { return row < count; });
}

int NextChangeSpanUp(const StringList& lines, int selected) {
  const int count = static_cast<int>(lines.size());
  auto inRange = [count](int row) { return row >= 3 && row < count; };
  if (selected < 0 || selected >= count) {
    return SearchSpan(lines, count - 1, -1, SpanFilter::Any, inRange);
  }
  return SearchSpan(lines, selected - 1, -1, FilterFrom(CodeOf(lines, selected)), inRange);
}

FindOutcome FindRowText(const RunState& state, std::string_view text, int selected, bool down) {
  const int count = static_cast<int>(state.ReportLines.size());
  FindOutcome outcome{selected, false};
  if (count == 0) return outcome;
  if (!down && selected < 0) {
    selected = std::min(1, count - 1);
    outcome.Selected = selected;
  }
  const std::string pattern = ToLower(text);
  const int step = down ? 1 : -1;
  for (int row = selected + step; row >= 0 && row < count; row += step) {
    if (ToLower(SingleRowText(state, row)).find(pattern) != std::string::npos) {
      return {row, true};
    }
  }
  return outcome;
}

SingleViewerRestore PlanSingleViewerRestore(const RunState& state) {
  SingleViewerRestore plan;
  if (state.Viewers.SPFontSz.empty()) return plan;
  if (!(plan.PrintFontSize = StoredNumber(state.Viewers.SPFontSz))) return plan;
  // An empty list font size is passed over; a malformed one ends the restore.
  if (!state.Viewers.SDFontSz.empty() &&
      !(plan.ListFontSize = StoredNumber(state.Viewers.SDFontSz))) {
    return plan;
  }
  static_cast<StoredBox&>(plan) =
      ReadStoredBox(state.Viewers.VLTop, state.Viewers.VLHt, state.Viewers.VLWide);
  return plan;
}

void StoreSingleViewerGeometry(RunState& state, std::string_view listFontSize,
                               std::string_view printFontSize, int top, int height, int width) {
  state.Viewers.SDFontSz = Cut(listFontSize, 2);
  state.Viewers.SPFontSz = Cut(printFontSize, 2);
  KeepStoredBox(top, height, width, state.Viewers.VLTop, state.Viewers.VLHt, state.Viewers.VLWide);
}

std::string SingleViewerCaption(const RunState& state) {
  return " Kavendrift Compare Program Report - " + state.StartStamp;
}

std::string SingleViewerHeader(const RunState& state) {
  if (state.ListNewTreeRun) return "Ref#  ...Lvl#  Directory/File-Name (Total-Size)  ";
  return SingleViewerCaption(state);
}

std::size_t WidestRowLength(const RunState& state) {
  std::size_t widest = 0;
  for (const std::string& line : state.ReportLines) widest = std::max(widest, line.size());
  // A numbered row carries a six-character prefix, any other row one blank.
  return widest + 6;
}

}  // namespace kav
