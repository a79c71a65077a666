#include "ui/viewers/logic/GraphFileList.h"

#include "text/DateText.h"
#include "text/Format.h"
#include "text/PrintableText.h"
#include "tree/RecordPaths.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

void Count(FileCounts& counts, std::string_view code) {
  ++counts.Total;
  if (code == "   ") ++counts.Match;
  if (code == "* -") ++counts.Change;
  if (code == "I -") ++counts.Insert;
  if (code == "D -") ++counts.Delete;
}

bool Listed(const RunState& state, std::string_view code) {
  if (!state.Options.OptLchv && !state.Options.OptLmcf) return true;
  if (state.Options.OptLchv && code != "   ") return true;
  return state.Options.OptLmcf && (code == "* -" || code == "   ");
}

GraphFileRow RowOf(const TreeNode& file, const LocaleFacts& locale) {
  const std::string_view sep = locale.ThousandsSeparator;
  GraphFileRow row;
  row.Image = FileImageOf(file.ChangeCode);
  row.Name = PrintableText(LastComponent(file.Name));
  if (file.ChangeCode == "I -" || file.ChangeCode == "D -") {
    row.Size = FormatThousands(file.Size, sep);
    row.Date = DateText(file.Date, locale.Date);
  } else {
    row.Size =
        "(" + FormatThousands(file.Size, sep) + " - " + FormatThousands(file.OldSize, sep) + ")";
    row.Date =
        "(" + DateText(file.Date, locale.Date) + " - " + DateText(file.OldDate, locale.Date) + ")";
  }
  return row;
}

}  // namespace

int FileImageOf(std::string_view changeCode) {
  if (changeCode == "D -") return GraphImageFileDeleted;
  if (changeCode == "I -") return GraphImageFileInserted;
  if (changeCode == "* -") return GraphImageFileChanged;
  return GraphImageFileEqual;
}

std::string FileTotalsText(const FileCounts& c, bool optLchv, bool optLmcf) {
  std::string text;
  if (c.Match + c.Change == c.Total) {
    text = Format(" Total = %d  -- Match = %d  Change = %d",
                  {int64_t{c.Total}, int64_t{c.Match}, int64_t{c.Change}});
  } else if (c.Total == c.Delete) {
    text = Format(" Total = %d  -- Delete = %d", {int64_t{c.Total}, int64_t{c.Delete}});
  } else if (c.Total == c.Insert) {
    text = Format(" Total = %d  -- Insert = %d", {int64_t{c.Total}, int64_t{c.Insert}});
  } else {
    text = Format(" Total = %d  -- Match = %d  Change = %d  Insert = %d  Delete = %d",
                  {int64_t{c.Total}, int64_t{c.Match}, int64_t{c.Change}, int64_t{c.Insert},
                   int64_t{c.Delete}});
  }
  if (optLchv) return text + "     (Filtered by Lchv)";
  if (optLmcf) return text + "     (Filtered by Lmcf)";
  return text;
}

std::optional<DirectoryFiles> ListDirectoryFiles(const RunState& state, int row,
                                                 const LocaleFacts& locale) {
  const TreeNodeList& rows = state.NewTreeLines;
  if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return std::nullopt;
  const TreeNode& dir = *rows[static_cast<std::size_t>(row)];
  if (dir.Kind != NodeDir) return std::nullopt;

  DirectoryFiles files;
  // A deleted directory is a record of the Old tree, any other one of the New tree.
  const TreeNodeList& scanned = dir.ChangeCode == "DD-" ? state.OldTreeNodes : state.NewTreeNodes;
  files.DirText =
      "Dir: " +
      PrintableText(
          RecordPaths(scanned, RecordPaths::Spelling::Lower, RecordPaths::From::Root).Of(dir));
  FileCounts counts;
  // The walk itself tells whether there are files: a paired directory whose New side holds
  // none (FileCount 0) may still have deleted Old files listed under it.
  for (std::size_t next = static_cast<std::size_t>(row) + 1; next < rows.size(); ++next) {
    const TreeNode& file = *rows[next];
    if (file.Kind != NodeFile || file.Level != dir.Level + 1) break;
    Count(counts, file.ChangeCode);
    if (Listed(state, file.ChangeCode)) files.Rows.push_back(RowOf(file, locale));
  }
  if (counts.Total == 0) {
    files.Rows.push_back(GraphFileRow{});
    files.TotalsText = "Total 0 Files";
    return files;
  }
  files.TotalsText = FileTotalsText(counts, state.Options.OptLchv, state.Options.OptLmcf);
  return files;
}

}  // namespace kav
