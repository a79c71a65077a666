#pragma once

#include <string>
#include <vector>

#include "core/CompareTypes.h"
#include "core/RunContext.h"
#include "platform/FaultyFileSystem.h"
#include "support/RecordingHost.h"
#include "support/TempTree.h"

namespace kav::test {

// A New and an Old directory in a temporary tree, a run state pointed at them (type 1, no
// preference checked) and a recording window, as Start would see them.
struct CompareFixture {
  TempTree tree;
  RunState state;
  RecordingHost host;
  FaultyFileSystem fs{RealFileSystem()};
  LocaleFacts locale;
  RunContext ctx{state, host, fs, locale};

  CompareFixture() {
    tree.Dir("new");
    tree.Dir("old");
    state.Panel.MnCbNewDirNm = tree.Path("new");
    state.Panel.MnCbOldDirNm = tree.Path("old");
    SetType(1);
  }

  void SetType(int type) {
    state.RunType = static_cast<CompareType>(type);
    state.Panel.MnCbCompareType = std::string(CompareTypeText(state.RunType));
  }
  std::string NewFile(const std::string& name) const { return tree.Path("new/" + name); }
  std::string OldFile(const std::string& name) const { return tree.Path("old/" + name); }

  // The summary's file rows: the lines between the column header and the legend.
  std::vector<std::string> SummaryRows() const {
    const auto& lines = state.ReportLines;
    if (state.SummaryTotalsLine <= state.SummaryTopLine) return {};
    return {lines.begin() + state.SummaryTopLine + 1, lines.begin() + state.SummaryTotalsLine};
  }
  std::string LastLine() const {
    return state.ReportLines.empty() ? std::string() : state.ReportLines.back();
  }
  bool HasLine(const std::string& line) const {
    for (const auto& l : state.ReportLines) {
      if (l == line) return true;
    }
    return false;
  }
};

}  // namespace kav::test
