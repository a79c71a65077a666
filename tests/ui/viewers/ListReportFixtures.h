#pragma once

#include <algorithm>
#include <string>

#include "core/RunState.h"

namespace kav::test {

inline TreeNode* AddListRow(RunState& state, TreeNodeList& list, uint8_t kind,
                            const std::string& text, uint32_t color) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  node->Text = text;
  node->Color = color;
  list.push_back(node);
  return node;
}

// A side-by-side report of a tree compare: a title row on each side, `newRows` inserted files
// on the left ("I -  /fileN.txt", blue) and `oldRows` deleted files on the right ("D -  ...",
// red), all numbered, then one summary row on the left ("OPTIONS = Lsbs").
inline void FillAligned(RunState& state, int newRows, int oldRows) {
  state.TreeCompareRun = true;
  state.StartStamp = "01/05/24 13:05";
  state.Panel.MnCbNewDirNm = "/data/new";
  state.Panel.MnCbOldDirNm = "/data/old";
  state.Split.LeftHeader = "Ref#  Codes  New Name";
  state.Split.RightHeader = "Ref#  Codes  Old Name";
  AddListRow(state, state.NewTreeLines, NodeHdr, "Kavendrift New Directory", ColorBlack);
  AddListRow(state, state.OldTreeLines, NodeHdr, "Kavendrift Old Directory", ColorBlack);
  for (int i = 1; i <= std::max(newRows, oldRows); ++i) {
    const std::string name = "file" + std::to_string(i) + ".txt";
    if (i <= newRows) AddListRow(state, state.NewTreeLines, NodeFile, "I -  /" + name, ColorBlue);
    if (i <= oldRows) AddListRow(state, state.OldTreeLines, NodeFile, "D -  /" + name, ColorRed);
  }
  state.NewNumberedCount = newRows + 1;
  state.OldNumberedCount = oldRows + 1;
  AddListRow(state, state.NewTreeLines, NodeHdr, "OPTIONS = Lsbs", ColorBlack);
}

}  // namespace kav::test
