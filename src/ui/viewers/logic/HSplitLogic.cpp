#include "ui/viewers/logic/HSplitLogic.h"

#include "text/CharacterCut.h"
#include "text/Format.h"
#include "ui/viewers/logic/StoredGeometry.h"

namespace kav {
namespace {

constexpr std::string_view TopTitle = " Kavendrift New Directory (Inserts) Top-Split Report";
constexpr std::string_view BottomTitle = " Kavendrift Old Directory (Deletes) Bottom-Split Report";

const TreeNodeList& Rows(const RunState& state, SplitSide side) {
  return side == SplitSide::Left ? state.NewTreeLines : state.OldTreeLines;
}

bool InList(const RunState& state, SplitSide side, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < Rows(state, side).size();
}

uint32_t TopTextRowColor(std::string_view text) {
  if (text.substr(0, 8) == "Kavendri") return ColorRed;
  const std::string_view nine = text.substr(0, 9);
  if (nine == "OPTIONS =" || nine == "New Dir =") return ColorBlue;
  return ColorBlack;
}

std::string Kept(int value) {
  return StoredText(value, 4);
}

}  // namespace

std::string HSplitCaption(const RunState& state) {
  return " Kavendrift Compare Program Horizontal Split Report - " + state.StartStamp;
}

std::string HSplitRowText(const RunState& state, SplitSide side, int row) {
  if (row != 0 || !InList(state, side, row)) return SplitRowText(state, side, row);
  const bool top = side == SplitSide::Left;
  return CutCharacters(std::string(top ? TopTitle : BottomTitle) + state.StartStamp, top ? 66 : 69);
}

uint32_t HSplitRowColor(RunState& state, SplitSide side, int row) {
  if (side == SplitSide::Right || state.ListBothTreesRun) return SplitRowColor(state, side, row);
  if (!InList(state, side, row)) return ColorMaroon;
  TreeNode& record = *state.NewTreeLines[static_cast<std::size_t>(row)];
  uint32_t color = ColorBlack;
  if (record.Kind == NodeHdr) {
    color = TopTextRowColor(record.Text);
  } else if (record.Kind == NodeDir || record.Kind == NodeFile) {
    color = record.Color;
  }
  record.Color = color;
  return color;
}

HSplitRestore PlanHSplitRestore(const RunState& state, int currentWidth) {
  HSplitRestore plan;
  plan.Left = StoredNumber(state.Viewers.HLeft);
  if (plan.Left && *plan.Left >= currentWidth) plan.Left.reset();
  plan.Top = StoredNumber(state.Viewers.HTop);
  plan.Height = StoredNumber(state.Viewers.HHt);
  plan.Width = StoredNumber(state.Viewers.HWide);
  plan.SplitterTop = StoredNumber(state.Viewers.HSplit);
  return plan;
}

void StoreHSplitGeometry(RunState& state, int left, int top, int width, int height,
                         int splitterTop) {
  state.Viewers.HLeft = Kept(left);
  state.Viewers.HTop = Kept(top);
  state.Viewers.HWide = Kept(width);
  state.Viewers.HHt = Kept(height);
  state.Viewers.HSplit = Kept(splitterTop);
}

}  // namespace kav
