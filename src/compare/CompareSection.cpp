#include "compare/CompareSection.h"

#include <algorithm>
#include <string>

#include "compare/CompareRecords.h"
#include "compare/FileCompare.h"
#include "compare/FinalMessage.h"
#include "compare/GroupedSummary.h"
#include "core/ShowResults.h"
#include "text/Format.h"

namespace kav {
namespace {

// Writes the summary once the last pair is done; a run halted earlier gets none.
void FinishPair(RunContext& ctx, CompareRecords& records) {
  if (records.CurrentPairIndex + 1 == ctx.State.PairCount) WriteGroupedSummary(ctx, records);
}

void ShowPairProgress(Host& ui, int32_t index, int32_t pairCount) {
  const int32_t position = index * 100 / pairCount;
  ui.SetText(Control::MnTitleProgBar, "Dir.Progress");
  ui.SetProgress(position);
  ui.SetText(Control::MnTitlePosPCent, std::to_string(position) + "%");
}

// A pair that could not be compared, or whose comparison was cut short by Halt.
void MarkNotProcessed(CompareRecords& records) {
  FileResult& result = records.FileResults[static_cast<std::size_t>(records.CurrentPairIndex)];
  result.Processed = true;
  result.Position = records.CurrentPairIndex;
  result.Inserted = false;
  result.Deleted = false;
  result.NotProcessed = true;
  records.Totals.MaxReturnCode = std::max(records.Totals.MaxReturnCode, records.Status.ReturnCode);
}

void ProcessPair(RunContext& ctx, CompareRecords& records, PairReadAhead::Pair opened) {
  const RunState& state = ctx.State;
  PrepareFilePair(ctx, records, std::move(opened));
  if (state.HaltRequested) return;
  if (records.Status.ReturnCode == EqualReturnCode) {
    CompareFilePair(ctx, records);
    if (!state.HaltRequested && records.Status.ReturnCode < ErrorReturnCode) {
      RecordPairResult(records);
      FinishPair(ctx, records);
      return;
    }
  }
  // Not compared, unreadable or halted: counted once, as not processed.
  MarkNotProcessed(records);
  FinishPair(ctx, records);
}

// Compares every pair in order and returns the verdict line, which also ends the report.
std::string RunComparePairs(RunContext& ctx) {
  RunState& state = ctx.State;
  state.PairCount = static_cast<int32_t>(state.Names.PairedNewNames.size());
  PairReadAhead ahead(ctx.Fs);
  CompareRecords records;  // after `ahead`: it holds ahead's workers
  records.Help = ahead.Help();

  ctx.Ui.SetVisible(Control::MnImage1, true);
  ctx.Ui.SetVisible(Control::MnImage2, false);
  ctx.Ui.SetVisible(Control::MnTitleProgBar, true);
  ctx.Ui.SetVisible(Control::MnProgressBar, true);
  ctx.Ui.SetVisible(Control::MnTitlePosPCent, true);
  ctx.Ui.SetText(Control::MnTitlePosPCent, "0%");

  int32_t submitted = 0;
  for (int32_t i = 0; i < state.PairCount; ++i) {
    for (; submitted < state.PairCount &&
           submitted <= i + static_cast<int32_t>(PairReadAhead::AheadPairs);
         ++submitted) {
      ahead.Submit(PairRequest(state, static_cast<std::size_t>(submitted)));
    }
    ShowPairProgress(ctx.Ui, i, state.PairCount);
    records.CurrentPairIndex = i;
    ProcessPair(ctx, records, ahead.Take());
    ClosePair(records);
    if (state.HaltRequested) break;
  }

  state.FinalVerdict = SelectVerdict(records.Totals, state.HaltRequested);
  std::string finalMessage = Cut(VerdictText(state.FinalVerdict), 70);
  state.ReportLines.push_back(finalMessage);
  return finalMessage;  // the records go with this scope
}

}  // namespace

void RunCompareSection(RunContext& ctx) {
  ctx.Ui.SetText(Control::MnCurrStatus, "Executing Compare Section.");
  ctx.Ui.ProcessPendingEvents();
  ctx.Ui.SetEnabled(Control::MnBtnRshow, false);
  ctx.Ui.SetEnabled(Control::MnButExit, false);
  ctx.Ui.SetEnabled(Control::MnCkViewResults, false);

  const std::string finalMessage = RunComparePairs(ctx);
  ctx.Ui.SetText(Control::MnCurrStatus, finalMessage);
  ctx.Ui.ProcessPendingEvents();

  ctx.Ui.SetEnabled(Control::MnBtnRshow, true);
  ctx.Ui.SetEnabled(Control::MnButExit, true);
  ctx.Ui.SetEnabled(Control::MnCkViewResults, true);
  if (ctx.State.Panel.MnCkViewResults) {
    ctx.Ui.Focus(Control::MnCurrStatus);
  } else if (!ctx.State.HaltRequested) {
    ShowResults(ctx);  // a halted run opens no viewer
  }
}

}  // namespace kav
