#include "cli/CliReport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kav::cli {
namespace {

TEST(WriteLine, ColoursOnlyWhenAskedAndNeverBlack) {
  struct Case {
    uint32_t Color;
    bool Colored;
    const char* Expected;
  };
  const Case cases[] = {
      {ColorRed, true, "\x1b[91mrow\x1b[0m\n"},
      {ColorBlue, true, "\x1b[34mrow\x1b[0m\n"},
      {ColorGreen, true, "\x1b[32mrow\x1b[0m\n"},
      {ColorMaroon, true, "\x1b[31mrow\x1b[0m\n"},
      {ColorBlack, true, "row\n"},
      {0x123456, true, "row\n"},
      {ColorRed, false, "row\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    WriteLine(out, "row", c.Color, c.Colored);
    EXPECT_EQ(out.str(), c.Expected) << std::hex << c.Color;
  }
}

TEST(WriteSingleListReport, TreeRunRecordsEveryRowsColour) {
  RunState state;
  state.ListNewTreeRun = true;
  for (uint8_t kind : {NodeHdr, NodeDir, NodeFile}) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kind;
    node->Color = ColorBlack;
    state.NewTreeLines.push_back(node);
    state.ReportLines.push_back("line");
  }
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = 4;
  std::ostringstream out;
  WriteSingleListReport(state, out, false);
  EXPECT_EQ(out.str(), " line\n   1  line\n   2  line\n");
  EXPECT_EQ(state.NewTreeLines[0]->Color, ColorBlue);
  EXPECT_EQ(state.NewTreeLines[1]->Color, ColorRed);
  EXPECT_EQ(state.NewTreeLines[2]->Color, ColorBlue);
}

}  // namespace
}  // namespace kav::cli
