#include "ui/viewers/logic/SplitViewerLogic.h"

#include <algorithm>

#include "report/SplitRows.h"
#include "text/Format.h"
#include "ui/viewers/logic/StoredGeometry.h"

namespace kav {
namespace {

constexpr std::size_t FindPatternLimit = 128;

bool RowContains(const RunState& state, SplitSide side, int row, const std::string& pattern,
                 SplitRowTextFn rowText) {
  return ToLower(rowText(state, side, row)).find(pattern) != std::string::npos;
}

}  // namespace

std::string SplitViewerCaption(const RunState& state) {
  return " Kavendrift Compare Program Side-By-Side Report - " + state.StartStamp;
}

bool SplitListsScrollTogether(const RunState& state) {
  return !state.ListBothTreesRun;
}

std::optional<SplitRowPair> SplitTopRows(int leftCount, int rightCount) {
  if (leftCount < 1 || rightCount < 1) return std::nullopt;
  return SplitRowPair{0, 0};
}

std::optional<SplitRowPair> SplitBottomRows(int leftCount, int rightCount) {
  if (leftCount <= 2 || rightCount <= 2) return std::nullopt;
  return SplitRowPair{leftCount - 1, rightCount - 1};
}

std::string SplitFindPattern(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return Cut(ToLower(text.substr(first, last - first + 1)), FindPatternLimit);
}

FindOutcome FindSplitRow(const RunState& state, std::string_view text, int leftSelected, bool down,
                         SplitRowTextFn rowText) {
  const int leftCount = static_cast<int>(state.NewTreeLines.size());
  const int rightCount = static_cast<int>(state.OldTreeLines.size());
  FindOutcome outcome{leftSelected, false};
  if (leftCount == 0) return outcome;
  const std::string pattern = SplitFindPattern(text);
  const int step = down ? 1 : -1;
  for (int row = leftSelected + step; row >= 0 && row < leftCount; row += step) {
    if (RowContains(state, SplitSide::Left, row, pattern, rowText) ||
        (row < rightCount && RowContains(state, SplitSide::Right, row, pattern, rowText))) {
      return {row, true};
    }
  }
  return outcome;
}

SplitViewerRestore PlanSplitViewerRestore(const RunState& state) {
  SplitViewerRestore plan;
  plan.PrintFontSize = state.Viewers.SpPFontSz;
  plan.DisplayFontSize = state.Viewers.SpDFontSz;
  static_cast<StoredBox&>(plan) =
      ReadStoredBox(state.Viewers.VLSpTop, state.Viewers.VLSpHt, state.Viewers.VLSpWide);
  return plan;
}

void StoreSplitViewerGeometry(RunState& state, std::string_view printFontSize,
                              std::string_view displayFontSize, int top, int height, int width) {
  state.Viewers.SpPFontSz = Cut(printFontSize, 2);
  state.Viewers.SpDFontSz = Cut(displayFontSize, 2);
  KeepStoredBox(top, height, width, state.Viewers.VLSpTop, state.Viewers.VLSpHt,
                state.Viewers.VLSpWide);
}

}  // namespace kav
