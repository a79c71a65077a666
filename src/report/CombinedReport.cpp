#include "report/CombinedReport.h"

#include "report/CombinedRows.h"
#include "report/TreeSummaryLines.h"
#include "text/Format.h"
#include "tree/TreeProgress.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

void AddHeader(const RunState& state, ColoredLineWriter& out) {
  out.SetColor(ColorBlack);
  out.Add(" ");
  out.Add(" Kavendrift Combined Directory and File Report - " + state.StartStamp);
  out.SetColor(ColorBlue);
  out.Add(Format(" New Dir = %s ", {state.Panel.MnCbNewDirNm}));
  out.SetColor(ColorRed);
  out.Add(Format(" Old Dir = %s ", {state.Panel.MnCbOldDirNm}));
  out.SetColor(ColorBlack);
}

void AddColumnHeader(const RunState& state, ColoredLineWriter& out) {
  if (state.Options.OptItdt) {
    out.Add(" S-D   Lvl  S-F    Dir/File-Name        (Size)    (#Files)   (File-Time-Stamp)");
    out.Add(" ---   ---  ---    -------------        ------    --------   -----------------");
  } else {
    out.Add(" S-D   Lvl  S-F    Dir/File-Name        (Size)    (#Files)");
    out.Add(" ---   ---  ---    -------------        ------    --------");
  }
}

void AddRootLine(const RunContext& ctx, const TreeNode& root, ColoredLineWriter& out) {
  const std::string_view sep = ctx.Locale.ThousandsSeparator;
  out.Add(" " + std::string(root.HasChanges == 1 ? "(*)" : "   ") + " .  0      " +
          LastComponent(root.Name) + " / " + LastComponent(ToLower(ctx.State.OldDirName)) + "  (" +
          FormatThousands(root.Size, sep) + " - " + FormatThousands(root.OldSize, sep) + ")" +
          Format("  (Files = %d - %d)", {int64_t{root.FileCount}, int64_t{root.OldFileCount}}));
}

void AddRows(RunContext& ctx, ColoredLineWriter& out) {
  const TreeNodeList& rows = ctx.State.NewTreeLines;
  if (rows.empty()) return;
  AddRootLine(ctx, *rows[0], out);
  CombinedRows writer(ctx, out);
  const int count = static_cast<int>(rows.size());
  for (int index = 1; index < count; ++index) {
    if (index % 75 == 0) {
      ctx.Ui.SetText(Control::MnCurrStatus, Format("Processing node: %s", {rows[index]->Text}));
      ShowTreeProgress(ctx.Ui, index, count);
    }
    writer.Add(*rows[index]);
  }
  writer.Finish();
}

void AddLegend(ColoredLineWriter& out) {
  out.SetColor(ColorBlack);
  out.Add(" ");
  out.Add(" Status-Dir (S-D)                       Status-File (S-F)");
  out.Add(" -----------------------------------    ------------------------");
  out.Add(" ( ) - Unchanged files in paired dir    Blank - Unchanged  file");
  out.Add(" (*) - Chg/ins/del file in paired dir   (*)   - Changed  file");
  out.Add(" (+) - Inserted non-paired  dir         (+)   - Inserted file");
  out.Add(" (-) - Deleted  non-paired dir          (-)   - Deleted  file");
  out.Add("  ");
}

std::string CombinedOptionsText(const RunState& state) {
  std::string options;
  if (state.Options.OptVeqf) options += "Veqf ";
  if (state.Options.OptOvso) return options + "Ovso ";
  if (state.Options.OptLmcf) {
    options += "Lmcf ";
  } else if (state.Options.OptLchv) {
    options += "Lchv ";
  }
  if (state.Options.OptGmsg) options += "Gmsg ";
  if (state.Options.OptItdt) options += "Itdt";
  return options.empty() ? std::string("None") : options;
}

void AddSummary(const RunState& state, ColoredLineWriter& out) {
  out.SetColor(ColorBlack);
  out.Add(" Kavendrift FINAL SUMMARY TOTALS  ");
  out.SetColor(ColorBlue);
  if (!state.Options.OptOvso) {
    out.Add(Format(" New Dir = %s ", {state.Panel.MnCbNewDirNm}));
    out.SetColor(ColorRed);
    out.Add(Format(" Old Dir = %s ", {state.Panel.MnCbOldDirNm}));
  }
  out.SetColor(ColorBlack);
  for (const std::string& line : TreeTotalsLines(state.Totals)) out.Add(" " + line);
  out.Add(Format(" OPTIONS = %s", {CombinedOptionsText(state)}));
  out.SetColor(ColorRed);
  out.Add(" " + TreeVerdictText(state.Totals));
}

int64_t TextLength(const std::vector<ColoredLine>& lines) {
  int64_t length = 0;
  for (const ColoredLine& line : lines) length += static_cast<int64_t>(line.Text.size()) + 1;
  return length;
}

}  // namespace

std::string FileStatusText(std::string_view changeCode) {
  if (changeCode == "* -") return "(*)";
  if (changeCode == "I -") return "(+)";
  if (changeCode == "D -") return "(-)";
  return "   ";
}

void BuildCombinedReport(RunContext& ctx) {
  RunState& state = ctx.State;
  state.CombinedReport.clear();
  // About a line per listed record (filter messages only stand for hidden rows) and some
  // forty more: room made once spares a large report the moves, and the doubled peak, of a
  // growing list. Should it not suffice, the list still grows.
  constexpr std::size_t FixedLines = 64;
  if (!state.Options.OptOvso) state.CombinedReport.reserve(state.NewTreeLines.size() + FixedLines);
  ColoredLineWriter out(state.CombinedReport);
  AddHeader(state, out);
  if (state.Options.OptOvso) {
    // The summary stands alone: the tree view is emptied (the list view is the viewer's).
    state.CombinedTree.clear();
  } else {
    AddColumnHeader(state, out);
    AddRows(ctx, out);
    AddLegend(out);
  }
  AddSummary(state, out);
  state.CombinedReportMark = TextLength(state.CombinedReport);
}

}  // namespace kav
