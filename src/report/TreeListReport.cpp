#include "report/TreeListReport.h"

#include <algorithm>
#include <charconv>

#include "report/TreeNames.h"
#include "text/CharacterCut.h"
#include "text/DateText.h"
#include "text/Format.h"
#include "text/PrintableText.h"
#include "tree/TreeRecords.h"
#include "tree/TreeScan.h"

namespace kav {
namespace {

constexpr std::size_t LineLimit = 249;

void AppendNumber(std::string& out, int64_t value) {
  char digits[24];
  const auto done = std::to_chars(digits, digits + sizeof digits, value);
  out.append(digits, done.ptr);
}

// Writes the line of TreeListLine into `line`, reusing its storage.
void MakeTreeListLine(std::string& line, const TreeNode& record, int rootDepth, bool withDate,
                      const LocaleFacts& locale) {
  const int depth = PathDepth(record.Path);
  const int dots = std::clamp(depth + 2 - rootDepth, 0, static_cast<int>(DotRuler.size()));
  line.assign(DotRuler.substr(0, static_cast<std::size_t>(dots)));
  AppendNumber(line, depth);
  line += ' ';
  const std::string_view path = record.Path;
  line += PrintableText(path.substr(static_cast<std::size_t>(NameStart(path) - 1)));
  line += " (";
  line += FormatThousands(record.Size, locale.ThousandsSeparator);
  line += ')';
  if (record.Kind == NodeDir) {
    line += "  (Files = ";
    AppendNumber(line, record.FileCount);
    line += ')';
  }
  if (withDate && record.Kind == NodeFile && record.Date != 0) {
    line += "  (";
    line += DateText(record.Date, locale.Date);
    line += ')';
  }
  if (line.size() > LineLimit) line = CutCharacters(line, LineLimit);
}

// Builds the line of every record of a scanned list and hands it to `keep` with its record.
// A listing has one line per entry: the lines are built in one reused buffer. Once a line is
// built, the record's names are read by nothing any more (the list viewers show the lines,
// and colour by kind), so they are let go: a listing of a million entries would otherwise
// keep a million paths it never shows.
template <class Keep>
void BuildLines(TreeNodeList& lines, bool withDate, const LocaleFacts& locale, Keep keep) {
  if (lines.empty()) return;
  const int rootDepth = PathDepth(lines.front()->Path);
  std::string line;
  line.reserve(2 * LineLimit);
  for (TreeNode* record : lines) {
    MakeTreeListLine(line, *record, rootDepth, withDate, locale);
    // The relative name may borrow the full name's bytes: it goes first.
    record->Text = NodeText();
    record->Path = NodeText();
    record->DiskPath = NodeText();
    keep(*record, line);
  }
}

// Type 6 keeps each line in its record's Text, the row the split viewers show.
void KeepLinesInRecords(TreeNodeList& lines, const LocaleFacts& locale) {
  BuildLines(lines, false, locale,
             [](TreeNode& record, const std::string& line) { record.Text.assign(line); });
}

TreeNode* SummaryRecord(RunState& state, TreeNodeList& lines) {
  TreeNode* summary = NewTreeRecord(state, NodeHdr);
  lines.insert(lines.begin(), summary);
  return summary;
}

}  // namespace

std::string TreeListLine(const TreeNode& record, int rootDepth, bool withDate,
                         const LocaleFacts& locale) {
  std::string line;
  MakeTreeListLine(line, record, rootDepth, withDate, locale);
  return line;
}

void ListNewTree(RunContext& ctx) {
  RunState& state = ctx.State;
  ScanTree(ctx, state.NewTreeLines, state.NewDirName);
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = static_cast<int32_t>(state.NewTreeLines.size()) + 1;
  const char* pattern = state.Options.OptLdeo
                            ? "Single Tree List Summary - Dirs = %d Files = %d OPTIONS = Ldeo"
                            : "Single Tree List Summary - Dirs = %d Files = %d OPTIONS = None";
  const std::string summary =
      Format(pattern, {int64_t{state.Totals.TotalDirs}, int64_t{state.Totals.TotalFiles}});
  // The single list viewer shows ReportLines and colours the rows by their records, so a
  // line is held once, in ReportLines, and its record keeps only its kind and colour.
  state.ReportLines.reserve(state.ReportLines.size() + state.NewTreeLines.size() + 1);
  state.ReportLines.push_back(summary);
  BuildLines(state.NewTreeLines, state.Options.OptItdt, ctx.Locale,
             [&state](TreeNode&, const std::string& line) { state.ReportLines.push_back(line); });
  SummaryRecord(state, state.NewTreeLines)->Path = summary;
}

void ListBothTrees(RunContext& ctx) {
  RunState& state = ctx.State;
  TreeTotals& totals = state.Totals;
  ScanTree(ctx, state.NewTreeLines, state.NewDirName);
  KeepLinesInRecords(state.NewTreeLines, ctx.Locale);
  totals.NewDirTotal = totals.TotalDirs;
  totals.NewFileTotal = totals.TotalFiles;
  ScanTree(ctx, state.OldTreeLines, state.OldDirName);
  KeepLinesInRecords(state.OldTreeLines, ctx.Locale);

  SplitViewerTexts& split = state.Split;
  split.LeftHeader = state.Options.OptLdeo
                         ? " Ref# ...Lvl# New-Dir-Name (Dir-Total/File Size)"
                         : " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)";
  split.RightHeader = state.Options.OptLdeo
                          ? " Ref# ...Lvl# Old-Dir-Name (Dir-Total/File Size)"
                          : " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)";
  split.HeadersShown = true;
  split.Caption =
      std::string("Kavendrift Extended File Compare/List --  Two Directory Tree List ") +
      (state.Options.OptLdeo ? "" : "and Sub-level File Names");

  const std::string_view options = state.Options.OptLdeo ? "Ldeo" : "None";
  SummaryRecord(state, state.NewTreeLines)->Text =
      Format("SUMMARY - New-Dirs = %d New-Files = %d OPTIONS = %s",
             {int64_t{totals.NewDirTotal}, int64_t{totals.NewFileTotal}, options});
  SummaryRecord(state, state.OldTreeLines)->Text =
      Format("SUMMARY - Old-Dirs = %d Old-Files = %d OPTIONS = %s",
             {int64_t{totals.TotalDirs}, int64_t{totals.TotalFiles}, options});
  state.NewNumberedCount = static_cast<int32_t>(state.NewTreeLines.size());
  state.OldNumberedCount = static_cast<int32_t>(state.OldTreeLines.size());
}

}  // namespace kav
