#include "report/SplitRows.h"

#include <algorithm>
#include <string_view>

#include "text/CharacterCut.h"
#include "text/Format.h"

namespace kav {
namespace {

const TreeNodeList& Rows(const RunState& state, SplitSide side) {
  return side == SplitSide::Left ? state.NewTreeLines : state.OldTreeLines;
}

int32_t NumberedCount(const RunState& state, SplitSide side) {
  return side == SplitSide::Left ? state.NewNumberedCount : state.OldNumberedCount;
}

TreeNode* RecordAt(const RunState& state, SplitSide side, int row) {
  const TreeNodeList& rows = Rows(state, side);
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return nullptr;
  return rows[static_cast<std::size_t>(row)];
}

// Type 6 listing: directories red, or under Ldeo alternating red and blue by parent.
uint32_t TreeListColor(const RunState& state, SplitSide side, int row, const TreeNode& record) {
  if (record.Kind != NodeDir) return ColorBlue;
  if (!state.Options.OptLdeo || row < 1) return ColorRed;
  const TreeNode* above = RecordAt(state, side, row - 1);
  if (above == nullptr) return ColorRed;
  if (above->ParentIndex == record.ParentIndex) return above->Color;
  return above->Color == ColorBlue ? ColorRed : ColorBlue;
}

uint32_t TextRowColor(SplitSide side, std::string_view text) {
  const std::string_view nine = text.substr(0, 9);
  if (text.substr(0, 8) == "Kavendri" || nine == "Old Dir =") return ColorRed;
  if (nine == "OPTIONS =") return ColorBlue;
  if (side == SplitSide::Left && nine == "New Dir =") return ColorBlue;
  return ColorBlack;
}

}  // namespace

std::string SplitRowText(const RunState& state, SplitSide side, int row) {
  const TreeNode* record = RecordAt(state, side, row);
  if (record == nullptr) {
    return Format("*** Orpheus VCL Program Error  - Invalid index\" %d\" to GetItem*** ",
                  {int64_t{row}});
  }
  if (row > 0 && row <= NumberedCount(state, side) - 1) {
    return Format("%4d  ", {int64_t{row}}) + record->Text;
  }
  return " " + record->Text;
}

uint32_t SplitRowColor(RunState& state, SplitSide side, int row) {
  TreeNode* record = RecordAt(state, side, row);
  if (record == nullptr) return side == SplitSide::Left ? ColorMaroon : ColorGreen;
  uint32_t color = ColorBlack;
  if (state.ListBothTreesRun) {
    color = TreeListColor(state, side, row, *record);
  } else if (record->Kind == NodeHdr) {
    color = TextRowColor(side, record->Text);
  } else if (record->Kind == NodeDir || record->Kind == NodeFile) {
    color = record->Color;
  }
  record->Color = color;
  return color;
}

void ColorAllSplitRows(RunState& state) {
  for (SplitSide side : {SplitSide::Left, SplitSide::Right}) {
    const int count = static_cast<int>(Rows(state, side).size());
    for (int row = 0; row < count; ++row) SplitRowColor(state, side, row);
  }
}

int32_t LongestSplitRow(const RunState& state) {
  std::size_t longest = 0;
  for (int row = 1; row <= state.NewNumberedCount - 1; ++row) {
    for (SplitSide side : {SplitSide::Left, SplitSide::Right}) {
      if (RecordAt(state, side, row) == nullptr) continue;
      longest = std::max(longest, CharacterCount(SplitRowText(state, side, row)));
    }
  }
  return static_cast<int32_t>(longest);
}

}  // namespace kav
