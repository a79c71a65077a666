#include "ui/viewers/logic/ColoredOutput.h"

#include <algorithm>
#include <string_view>

#include "report/ColoredLineWriter.h"
#include "report/SingleListRows.h"
#include "report/SplitRows.h"
#include "text/Format.h"

namespace kav {
namespace {

uint32_t SummaryColor(std::string_view line) {
  const std::string_view prefix = line.substr(0, 9);
  if (!line.empty() && line.front() == '*') return ColorRed;
  if (prefix == "Old Dir =" || prefix == "Kavendrif") return ColorRed;
  if (prefix == "New Dir =" || prefix == "OPTIONS =") return ColorBlue;
  return ColorBlack;
}

uint32_t TreeRecordColor(const RunState& state, std::size_t row) {
  if (row >= state.NewTreeLines.size() || state.NewTreeLines[row] == nullptr) return ColorBlack;
  return state.NewTreeLines[row]->Color;
}

// Adds rows of one split list in their records' colours, sending print chunks on the way.
class SplitColoredRows {
 public:
  SplitColoredRows(RunState& state, ColoredMode mode,
                   const std::function<void(ColoredDocument&&)>& send,
                   const std::function<void()>& poll)
      : state_(state), mode_(mode), send_(send), poll_(poll), writer_(doc_.Lines) {}

  ColoredLineWriter& Writer() { return writer_; }

  void Rows(SplitSide side, int from, int to) {
    const TreeNodeList& list = side == SplitSide::Left ? state_.NewTreeLines : state_.OldTreeLines;
    to = std::min(to, static_cast<int>(list.size()));
    for (int row = std::max(from, 0); row < to; ++row) {
      if (list[row] != nullptr) writer_.SetColor(list[row]->Color);
      writer_.Add(SplitRowText(state_, side, row));
      ++count_;
      if (count_ % 100 == 0 && poll_) poll_();
      if (mode_ == ColoredMode::Print && count_ % ColoredPrintChunkRows == 0) {
        Send("RichEdit Text" + std::to_string(count_));
      }
    }
  }

  // The break between the two sections.
  void Between() {
    if (mode_ == ColoredMode::Save) {
      writer_.Add(ColoredSeparatorLine);
      return;
    }
    Send("RichEdit Text" + std::to_string(count_));
    count_ = 0;
  }

  void Finish() { Send("RichEdit Text"); }

 private:
  RunState& state_;
  const ColoredMode mode_;
  const std::function<void(ColoredDocument&&)>& send_;
  const std::function<void()>& poll_;
  ColoredDocument doc_;
  ColoredLineWriter writer_;
  int count_ = 0;

  void Send(std::string title) {
    doc_.Title = std::move(title);
    ColoredDocument out = std::move(doc_);
    doc_ = ColoredDocument{};
    send_(std::move(out));
  }
};

}  // namespace

std::vector<ColoredLine> SingleColoredLines(RunState& state, const std::string& header) {
  std::vector<ColoredLine> lines;
  lines.reserve(state.ReportLines.size() + 1);
  ColoredLineWriter writer(lines);
  writer.SetColor(ColorRed);
  writer.Add(header);
  std::string text;
  for (std::size_t i = 0; i < state.ReportLines.size(); ++i) {
    const std::string& line = state.ReportLines[i];
    uint32_t color = ColorBlack;
    if (state.ListNewTreeRun) {
      SingleRowColor(state, static_cast<int>(i));  // records the display's colour in order
      color = TreeRecordColor(state, i);
    } else {
      color = SummaryColor(line);
    }
    writer.SetColor(color);
    text = Format("%4d  ", {static_cast<int64_t>(i) + 1});
    text += line;
    writer.Add(text);
  }
  return lines;
}

std::string ColoredOutputQuestion(ColoredMode mode, std::size_t lineCount) {
  return std::string("The colored RFT ") +
         (mode == ColoredMode::Print ? "\"Print\"" : "\"SaveToFile\"") +
         " generation is to be started but the operation "
         "may occur over a long disabled period. No graceful termination is possible once the "
         "process is initiated. The line count volume is " +
         std::to_string(lineCount) + ". Continue(yes) or Abort(no)";
}

void SplitColoredOutput(RunState& state, ColoredMode mode,
                        const std::function<void(ColoredDocument&&)>& send,
                        const std::function<void()>& poll) {
  ColorAllSplitRows(state);
  SplitColoredRows out(state, mode, send, poll);
  ColoredLineWriter& writer = out.Writer();
  writer.Add("Kavendrift File Compare Report - " + state.StartStamp);
  writer.Add(" ");
  const int newNumbered = state.NewNumberedCount;
  if (!state.Options.OptOvso) {
    writer.SetColor(ColorRed);
    writer.Add("Section 1 -- NewFile = " + state.Panel.MnCbNewDirNm);
    writer.Add(state.Split.LeftHeader);
    out.Rows(SplitSide::Left, 0, newNumbered);
    out.Between();
    writer.SetColor(ColorRed);
    writer.Add("Section 2 -- OldFile = " + state.Panel.MnCbOldDirNm);
    writer.Add(state.Split.RightHeader);
    out.Rows(SplitSide::Right, 0, state.OldNumberedCount);
  }
  if (!state.ListBothTreesRun) {
    out.Rows(SplitSide::Left, newNumbered, static_cast<int>(state.NewTreeLines.size()));
  }
  out.Finish();
}

}  // namespace kav
