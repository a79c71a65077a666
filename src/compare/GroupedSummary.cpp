#include "compare/GroupedSummary.h"

#include <algorithm>
#include <string>

#include "compare/SummaryMerge.h"
#include "compare/SummaryRows.h"
#include "core/CompareTypes.h"
#include "text/CharacterCut.h"
#include "text/Format.h"
#include "text/PrintableText.h"

namespace kav {
namespace {

constexpr std::size_t LineLimit = 132;

// File and directory names may hold control characters (a newline, a tab); one of those in a
// line would split a report row in the viewer, in a saved file and in kavdrift-cli's output.
void Emit(RunState& state, std::string_view line) {
  state.ReportLines.push_back(CutCharacters(PrintableText(line), LineLimit));
}

int32_t LineCount(const RunState& state) {
  return static_cast<int32_t>(state.ReportLines.size());
}

bool UsesFullLayout(const RunState& state) {
  return state.RunType == CompareType::LikeNames && !state.Options.OptSpnm &&
         state.SingleLevelRun && !state.Options.OptChgo;
}

void EmitFullLayout(RunContext& ctx, CompareRecords& records) {
  RunState& state = ctx.State;
  MergeUnpairedNames(ctx, records);
  Emit(state,
       "Kavendrift GROUPED COMPARE SUMMARY FOR PAIRED FILES, INSERTS, DELETES AND TOTALS "
       "SECTION");
  Emit(state, " ");
  state.SummaryTopLine = LineCount(state);
  std::string header = "Ref# Code New-Fi-Name                New-Size Old-Size ";
  if (state.Options.OptItdt) header += "New-File-Date             Old-File-Date";
  Emit(state, header);
  const std::size_t rows = std::min(records.FileResults.size(), state.Names.PairedNewNames.size());
  for (std::size_t k = 0; k < rows; ++k) {
    Emit(state, FullLayoutRow(records.FileResults[k], state.Names.PairedNewNames[k],
                              state.Options.OptItdt, ctx.Locale.Date));
  }
  state.SummaryTotalsLine = LineCount(state);
  Emit(state, " ");
  Emit(state, "  File Codes:  *      - Files are not equal.");
  Emit(state, "            : \"Blank\" - Files are equal.");
  Emit(state, "            : I       - New-File-Inserted (Absent from Old Dir and Not Processed).");
  Emit(state, "            : D       - Old-File-Deleted  (Absent from New Dir and Not Processed).");
  Emit(state, " ");
}

void EmitNamedPairsLayout(RunContext& ctx, const CompareRecords& records) {
  RunState& state = ctx.State;
  Emit(state, "Kavendrift GROUPED COMPARE SUMMARY FOR NAMED PAIRED FILES TOTALS SECTION");
  Emit(state, " ");
  state.SummaryTopLine = LineCount(state);
  if (state.Options.OptChgo && records.Totals.ChangedCount == 0) return;

  const bool likeNames = state.SelectLikeRun;
  std::string header = likeNames
                           ? "Ref# Code New/Old-Fi-Name            New-Size Old-Size "
                           : "Ref# Code New-Fi-Name                Old-Fi-Name                "
                             "New-Size Old-Size ";
  if (state.Options.OptItdt) header += "New-File-Date          Old-File-Date";
  Emit(state, header);
  const std::size_t rows = std::min({records.FileResults.size(), state.Names.PairedNewNames.size(),
                                     state.Names.PairedOldNames.size()});
  for (std::size_t k = 0; k < rows; ++k) {
    const FileResult& result = records.FileResults[k];
    if (state.Options.OptChgo && !result.Changed) continue;
    Emit(state, NamedPairRow(result, state.Names.PairedNewNames[k], state.Names.PairedOldNames[k],
                             likeNames, state.Options.OptItdt, ctx.Locale.Date));
  }
  state.SummaryTotalsLine = LineCount(state);
  Emit(state, " ");
  Emit(state, "  File Codes:  *      - Files are not equal.");
  Emit(state, "            : \"Blank\" - Files are equal.");
  Emit(state, " ");
}

std::string OptionsText(const RunState& state) {
  std::string list;
  if (state.Options.OptVeqf) list += "Veqf ";
  if (state.Options.OptChgo) list += "Chgo ";
  if (state.Options.OptSpnm) list += "Spnm ";
  if (state.Options.OptItdt) list += "Itdt ";
  return Format("OPTIONS = %s", {list.empty() ? std::string("None") : list});
}

void EmitTotals(RunState& state, const RunTotals& totals, bool fullLayout) {
  Emit(state, Format("%7d Total File(s) Processed as Binary Paired Files.",
                     {int64_t{totals.ProcessedCount}}));
  Emit(state, Format("%7d Total File(s) Processed had Changes.", {int64_t{totals.ChangedCount}}));
  if (!state.Options.OptVeqf) {
    Emit(state, Format("%7d Total File(s) Processed as Equal Time-Date-Len Equivalent.",
                       {int64_t{totals.EqualStampCount}}));
  }
  Emit(state, " ");
  Emit(state, "Kavendrift GROUPED FILE PAIRED COMPARE SUMMARY TOTALS SECTION ");
  Emit(state, Format("%9d New Bin Size Processed       %9d Old Bin File Size Processed",
                     {totals.NewBytesProcessed, totals.OldBytesProcessed}));
  if (fullLayout) {
    Emit(state, Format("%9d New Bin Size Not-Processed   %9d Old Bin File Size Not-Processed",
                       {totals.NewBytesNotProcessed, totals.OldBytesNotProcessed}));
  }
  Emit(state, " ");
  Emit(state, OptionsText(state));
}

void EmitSelection(RunState& state) {
  if (!state.SelectLikeRun && !state.SelectUnlikeRun) return;
  Emit(state, state.SelectLikeRun
                  ? " USER SELECT FROM LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (3)"
                  : " USER SELECT FROM UNLIKE/LIKE-NAME FILE LIST -- COMPARE/LIST OPTION (4)");
  for (std::size_t k = 0; k < state.Names.PairedNewNames.size(); ++k) {
    std::string line = "  " + state.Names.PairedNewNames[k];
    if (!state.SelectLikeRun && k < state.Names.PairedOldNames.size()) {
      line += "  :  " + state.Names.PairedOldNames[k];
    }
    Emit(state, line);
  }
}

}  // namespace

void WriteGroupedSummary(RunContext& ctx, CompareRecords& records) {
  RunState& state = ctx.State;
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = 0;
  ctx.Ui.SetText(Control::MnCurrStatus, "Processing Overall Summary");
  ctx.Ui.ToggleBusyImages();
  ctx.Ui.ProcessPendingEvents();
  if (!state.ReportLines.empty()) Emit(state, "  ");
  Emit(state, Format("New Dir = %s ", {state.Panel.MnCbNewDirNm}));
  Emit(state, Format("Old Dir = %s ", {state.Panel.MnCbOldDirNm}));

  const bool fullLayout = UsesFullLayout(state);
  if (fullLayout) {
    EmitFullLayout(ctx, records);
  } else {
    EmitNamedPairsLayout(ctx, records);
  }
  EmitTotals(state, records.Totals, fullLayout);
  EmitSelection(state);
}

}  // namespace kav
