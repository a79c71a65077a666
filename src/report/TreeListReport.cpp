#include "report/TreeListReport.h"

#include <algorithm>
#include <charconv>

#include "platform/SplitWork.h"
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
  const int depth = rootDepth + record.Level;
  const int dots = std::clamp(record.Level + 2, 0, static_cast<int>(DotRuler.size()));
  line.assign(DotRuler.substr(0, static_cast<std::size_t>(dots)));
  AppendNumber(line, depth);
  line += ' ';
  line += PrintableText(EntryName(record));
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

// Builds the line of every record of a scanned list for its root and hands it to
// store(index, record, line). A line needs its record's own name only, and once the line is
// stored the record's names are read by nothing any more (the list viewers show the lines,
// and colour by kind), so they are let go at once. A large listing's lines are built by two
// threads, each over its own half; each thread reuses one buffer.
template <class Store>
void WriteLines(TreeNodeList& lines, bool withDate, const LocaleFacts& locale, Store store) {
  if (lines.empty()) return;
  constexpr std::size_t SharedFrom = 4096;
  const int rootDepth = PathDepth(lines.front()->Name);
  SplitWork(lines.size(), SharedFrom, [&](std::size_t from, std::size_t to) {
    std::string line;
    line.reserve(2 * LineLimit);
    for (std::size_t k = from; k < to; ++k) {
      TreeNode& record = *lines[k];
      MakeTreeListLine(line, record, rootDepth, withDate, locale);
      store(k, record, line);
      record.Name = NodeText();
      record.DiskName = NodeText();
    }
  });
}

// Type 6: each record holds its line.
void BuildLines(TreeNodeList& lines, const LocaleFacts& locale) {
  WriteLines(lines, false, locale,
             [](std::size_t, TreeNode& record, const std::string& line) { record.Text = line; });
}

// Type 5: the single list viewer shows ReportLines and colours the rows by their records'
// kinds, so a line goes straight into ReportLines and the record keeps only its kind.
void WriteLinesToReport(TreeNodeList& lines, bool withDate, const LocaleFacts& locale,
                        StringList& report) {
  const std::size_t first = report.size();
  report.resize(first + lines.size());
  WriteLines(lines, withDate, locale,
             [&report, first](std::size_t k, TreeNode&, const std::string& line) {
               report[first + k] = line;
             });
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
  state.ReportLines.push_back(
      Format(pattern, {int64_t{state.Totals.TotalDirs}, int64_t{state.Totals.TotalFiles}}));
  WriteLinesToReport(state.NewTreeLines, state.Options.OptItdt, ctx.Locale, state.ReportLines);
  SummaryRecord(state, state.NewTreeLines);
}

void ListBothTrees(RunContext& ctx) {
  RunState& state = ctx.State;
  TreeTotals& totals = state.Totals;
  ScanTree(ctx, state.NewTreeLines, state.NewDirName);
  BuildLines(state.NewTreeLines, ctx.Locale);
  totals.NewDirTotal = totals.TotalDirs;
  totals.NewFileTotal = totals.TotalFiles;
  ScanTree(ctx, state.OldTreeLines, state.OldDirName);
  BuildLines(state.OldTreeLines, ctx.Locale);

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
