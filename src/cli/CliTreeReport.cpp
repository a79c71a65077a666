#include "cli/CliTreeReport.h"

#include "cli/CliReport.h"
#include "report/SplitLayouts.h"
#include "report/SplitRows.h"

namespace kav::cli {
namespace {

// A side-by-side report as "Save As" writes it: side by side, its side width the widest row
// so nothing is cut; a summary-only report (Ovso) stacked.
void WriteSideBySideReport(RunState& state, std::ostream& out) {
  if (state.Options.OptOvso) {
    return WritePlainLines(
        [&state](const LineSink& lines) { WriteStackedFileLines(state, "", lines); }, out);
  }
  state.MaxRowWidth = LongestSplitRow(state);
  WritePlainLines(
      [&state](const LineSink& lines) {
        WriteSideBySideFileLines(state, state.MaxRowWidth, "", lines);
      },
      out);
}

}  // namespace

void WriteTreeReport(RunState& state, std::ostream& out, bool colored) {
  switch (state.RunType) {
    case CompareType::ListNewTree:
      return WriteSingleListReport(state, out, colored);
    case CompareType::ListBothTrees:
      return WritePlainLines(
          [&state](const LineSink& lines) { WriteTreeListFileLines(state, lines); }, out);
    case CompareType::TreeCompare:
      if (state.Options.OptLsbs) return WriteSideBySideReport(state, out);
      return WriteColoredLines(state.CombinedReport, out, colored);
    default:
      return;
  }
}

}  // namespace kav::cli
