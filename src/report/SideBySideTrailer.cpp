#include "report/SideBySideTrailer.h"

#include <string_view>

#include "report/TreeSummaryLines.h"
#include "text/CharacterCut.h"
#include "text/Format.h"
#include "text/PrintableText.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

constexpr std::size_t RowTextLimit = 249;

constexpr std::string_view LeftHeaderText =
    "Ref#  Codes ...Lvl#  New Directory/File-Name (Accum-Dir Size/Chg-File Sizes)";
constexpr std::string_view RightHeaderText =
    "Ref#  Codes ...Lvl#  Old Directory/File-Name (Accum-Dir Size)";

void AddTextRow(RunState& state, TreeNodeList& list, std::string_view text) {
  TreeNode* row = NewTreeRecord(state, NodeHdr);
  row->Text = CutCharacters(PrintableText(text), RowTextLimit);
  list.push_back(row);
}

void AddRowPair(RunState& state, std::string_view left, std::string_view right) {
  AddTextRow(state, state.NewTreeLines, left);
  AddTextRow(state, state.OldTreeLines, right);
}

void AppendLegend(RunState& state) {
  AddRowPair(state, "Codes : File-Codes (Blank - Equal, * - Changed, I - Inserted, D - Deleted",
             " ");
  AddRowPair(state,
             "        Dir-Codes  (Blank - Same-Sub-Name, ID- Inserted-New-Sub-Name, DD - "
             "Deleted-Old-Sub-Name)",
             " ");
  AddRowPair(state, "   ", "   ");
}

void AppendSummary(RunState& state) {
  std::string title = "Kavendrift FINAL SUMMARY TOTALS FOR SIDE-BY-SIDE REPORT";
  if (state.Options.OptOvso) title += "  " + state.StartStamp;
  AddRowPair(state, title, "   ");
  AddRowPair(state, Format("New Dir = %s ", {state.Panel.MnCbNewDirNm}), "   ");
  AddRowPair(state, Format("Old Dir = %s ", {state.Panel.MnCbOldDirNm}), "   ");
  for (const std::string& line : TreeTotalsLines(state.Totals)) AddRowPair(state, line, "   ");
  AddRowPair(state, Format("OPTIONS = %s", {SideBySideOptionsText(state)}), "   ");
  AddRowPair(state, TreeVerdictText(state.Totals), "   ");
}

void SetColumnHeaders(RunState& state) {
  SplitViewerTexts& split = state.Split;
  // A summary-only report has no columns; a header left from an earlier run must not show.
  split.HeadersShown = !state.Options.OptOvso;
  split.LeftHeader = state.Options.OptOvso ? std::string() : std::string(LeftHeaderText);
  split.RightHeader = state.Options.OptOvso ? std::string() : std::string(RightHeaderText);
}

}  // namespace

std::string SideBySideOptionsText(const RunState& state) {
  std::string options;
  if (state.Options.OptVeqf) options += "Veqf ";
  if (state.Options.OptOvso) {
    options += "Ovso ";
  } else {
    if (state.Options.OptLchv) options += "Lchv ";
    if (state.Options.OptLmcf) options += "Lmcf ";
    if (state.Options.OptGmsg) options += "Gmsg ";
  }
  return options + "Lsbs";
}

void AppendSideBySideTrailer(RunContext& ctx) {
  RunState& state = ctx.State;
  if (!state.Options.OptOvso) {
    state.NewNumberedCount = static_cast<int32_t>(state.NewTreeLines.size());
    state.OldNumberedCount = static_cast<int32_t>(state.OldTreeLines.size());
    AppendLegend(state);
  }
  AppendSummary(state);
  ctx.Ui.SetText(Control::MnCurrStatus, TreeVerdictText(state.Totals));
  SetColumnHeaders(state);
}

}  // namespace kav
