// Coloured output: the single viewer's numbered lines and colours, the question, and the
// split viewer's documents (print chunks, separator).
#include <gtest/gtest.h>

#include "../ListReportFixtures.h"
#include "ui/viewers/logic/ColoredOutput.h"

namespace kav {

static bool operator==(const ColoredLine& a, const ColoredLine& b) {
  return a.Color == b.Color && a.Text == b.Text;
}

namespace {

TEST(SingleColoredLines, NumbersEveryLineAndColoursByItsLeadingCharacters) {
  RunState state;
  state.ReportLines = {"Kavendrift Compare", "New Dir = /n/", "OPTIONS = Chgo", "Old Dir = /o/",
                       "*   a.txt",          "    b.txt",     "I - c.txt"};
  const std::vector<ColoredLine> expected = {
      {ColorRed, "HEADER"},
      {ColorRed, "   1  Kavendrift Compare"},
      {ColorBlue, "   2  New Dir = /n/"},
      {ColorBlue, "   3  OPTIONS = Chgo"},
      {ColorRed, "   4  Old Dir = /o/"},  // a red row after a blue row is red
      {ColorRed, "   5  *   a.txt"},
      {ColorBlack, "   6      b.txt"},
      {ColorBlack, "   7  I - c.txt"}};
  EXPECT_EQ(SingleColoredLines(state, "HEADER"), expected);
}

TEST(SingleColoredLines, TakesATreeListingsColoursFromItsRecordsInOrder) {
  RunState state;
  state.ListNewTreeRun = true;
  state.Options.OptLdeo = true;
  const uint8_t kinds[] = {NodeHdr, NodeDir, NodeDir, NodeFile};
  const int parents[] = {-1, 0, 1, 2};
  for (int i = 0; i < 4; ++i) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = kinds[i];
    node->ParentIndex = parents[i];
    state.NewTreeLines.push_back(node);
    state.ReportLines.push_back("row" + std::to_string(i));
  }
  const std::vector<ColoredLine> lines = SingleColoredLines(state, "H");
  ASSERT_EQ(lines.size(), 5u);
  // Directory rows alternate red and blue when the parent changes; other rows are blue.
  EXPECT_EQ(lines[1].Color, ColorBlue);
  EXPECT_EQ(lines[2].Color, ColorRed);
  EXPECT_EQ(lines[3].Color, ColorBlue);
  EXPECT_EQ(lines[4].Color, ColorBlue);
  EXPECT_EQ(state.NewTreeLines[2]->Color, ColorBlue);
}

TEST(ColoredOutputQuestion, NamesTheModeAndTheLineCount) {
  EXPECT_EQ(ColoredOutputQuestion(ColoredMode::Save, 1234),
            "The colored RFT \"SaveToFile\" generation is to be started but the operation may "
            "occur over a long disabled period. No graceful termination is possible once the "
            "process is initiated. The line count volume is 1234. Continue(yes) or Abort(no)");
  EXPECT_NE(ColoredOutputQuestion(ColoredMode::Print, 1).find("RFT \"Print\" generation"),
            std::string::npos);
}

using test::FillAligned;

std::vector<ColoredDocument> Output(RunState& state, ColoredMode mode, int* polls = nullptr) {
  std::vector<ColoredDocument> documents;
  SplitColoredOutput(
      state, mode, [&](ColoredDocument&& d) { documents.push_back(std::move(d)); },
      [&] {
        if (polls != nullptr) ++*polls;
      });
  return documents;
}

TEST(SplitColoredOutput, SaveModeIsOneDocumentWithTheSeparatorBetweenTheSections) {
  RunState state;
  FillAligned(state, 1, 1);
  state.OldTreeLines[0]->Text = "old title";
  const std::vector<ColoredDocument> documents = Output(state, ColoredMode::Save);
  ASSERT_EQ(documents.size(), 1u);
  const std::vector<ColoredLine> expected = {
      {ColorBlack, "Kavendrift File Compare Report - 01/05/24 13:05"},
      {ColorBlack, " "},
      {ColorRed, "Section 1 -- NewFile = /data/new"},
      {ColorRed, "Ref#  Codes  New Name"},
      {ColorRed, " Kavendrift New Directory"},
      {ColorBlue, "   1  I -  /file1.txt"},
      {ColorBlue, "******** PrintOut Separator ********"},
      {ColorRed, "Section 2 -- OldFile = /data/old"},
      {ColorRed, "Ref#  Codes  Old Name"},
      {ColorBlack, " old title"},
      {ColorRed, "   1  D -  /file1.txt"},
      {ColorBlue, " OPTIONS = Lsbs"}};
  EXPECT_EQ(documents[0].Lines, expected);
}

TEST(SplitColoredOutput, PrintModeSendsChunksOf800RowsAndOneDocumentPerSection) {
  RunState state;
  FillAligned(state, 1700, 10);  // 1701 left rows, 11 right rows, 1 summary row
  int polls = 0;
  const std::vector<ColoredDocument> documents = Output(state, ColoredMode::Print, &polls);
  std::vector<std::string> titles;
  for (const ColoredDocument& d : documents) titles.push_back(d.Title);
  EXPECT_EQ(titles, (std::vector<std::string>{"RichEdit Text800", "RichEdit Text1600",
                                              "RichEdit Text1701", "RichEdit Text"}));
  EXPECT_EQ(documents[0].Lines.size(), 4u + 800u);  // title, blank, section, header
  EXPECT_EQ(documents[1].Lines.size(), 800u);
  EXPECT_EQ(documents[2].Lines.size(), 101u);
  EXPECT_EQ(documents[3].Lines.size(), 2u + 11u + 1u);
  EXPECT_EQ(documents[3].Lines.front().Text, "Section 2 -- OldFile = /data/old");
  EXPECT_EQ(polls, 17);  // every 100 rows: 17 in the New section, none in the 12 after it
}

TEST(SplitColoredOutput, SummaryOnlyReportHasNoSections) {
  RunState state;
  FillAligned(state, 2, 2);
  state.Options.OptOvso = true;
  const std::vector<ColoredDocument> documents = Output(state, ColoredMode::Print);
  ASSERT_EQ(documents.size(), 1u);
  ASSERT_EQ(documents[0].Lines.size(), 3u);
  EXPECT_EQ(documents[0].Lines[2].Text, " OPTIONS = Lsbs");
}

}  // namespace
}  // namespace kav
