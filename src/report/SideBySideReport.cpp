#include "report/SideBySideReport.h"

#include <algorithm>

#include "report/SideBySideRowText.h"
#include "report/SideBySideTrailer.h"
#include "report/TreeNames.h"
#include "text/Format.h"
#include "tree/TreeProgress.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

SideLayout MakeSide(RecordPaths& names, const RunContext& ctx) {
  SideLayout side;
  if (ctx.State.Options.OptLchv) side.RelativeNames = &names;
  side.ThousandsSeparator = ctx.Locale.ThousandsSeparator;
  return side;
}

// Writes every row's text, the New row beside its Old row, until a halt.
void FormatRows(RunContext& ctx) {
  RunState& state = ctx.State;
  using Spelling = RecordPaths::Spelling;
  RecordPaths newNames(state.NewTreeNodes, Spelling::Lower, RecordPaths::From::Relative);
  RecordPaths oldNames(state.OldTreeNodes, Spelling::Lower, RecordPaths::From::Relative);
  const SideLayout left = MakeSide(newNames, ctx);
  const SideLayout right = MakeSide(oldNames, ctx);
  const int count = static_cast<int>(state.NewTreeLines.size());
  std::string previousText;
  for (int k = 0; k < count && !state.HaltRequested; ++k) {
    ctx.Ui.SetText(Control::MnCurrStatus, Format("Processing node: %s", {previousText}));
    ShowTreeProgress(ctx.Ui, k, count);
    TreeNode& r = *state.NewTreeLines[k];
    // After a halted merge the Old list may be the shorter one.
    const bool hasRight = static_cast<std::size_t>(k) < state.OldTreeLines.size();
    TreeNode* s = hasRight ? state.OldTreeLines[k] : nullptr;
    r.Text = LeftRowText(r, s, left);
    if (s != nullptr && !state.Options.OptOvso) {
      s->Text = RightRowText(*s, right);
      ForgetFileNames(*s);
    }
    ForgetFileNames(r);  // the split viewers and saved layouts read only the row's text
    previousText = r.Text;
  }
}

void DropFilteredRecords(TreeNodeList& nodes) {
  std::erase_if(nodes, [](const TreeNode* node) { return node->Kind == NodeDropped; });
}

}  // namespace

void BuildSideBySideReport(RunContext& ctx) {
  RunState& state = ctx.State;
  if (state.TreeCompareRun) state.Split.LegendVisible = true;
  FormatRows(ctx);
  if (!state.HaltRequested) {
    AppendSideBySideTrailer(ctx);
    // The pool owns the records: releasing a dropped one means letting go of it here.
    if (state.Options.OptLmcf || state.Options.OptLchv) {
      DropFilteredRecords(state.NewTreeNodes);
      DropFilteredRecords(state.OldTreeNodes);
    }
  }
  // The rows now belong to the line lists alone.
  state.NewTreeNodes.clear();
  state.OldTreeNodes.clear();
}

}  // namespace kav
