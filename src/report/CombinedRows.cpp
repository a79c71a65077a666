#include "report/CombinedRows.h"

#include <algorithm>

#include "report/CombinedReport.h"
#include "report/TreeNames.h"
#include "text/DateText.h"
#include "text/Format.h"
#include "tree/SizeLimit.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

// `count` characters of the ruler from its 0-based `from` on, as many as it holds.
std::string_view RulerPart(std::string_view ruler, std::size_t from, int count) {
  if (count <= 0 || from >= ruler.size()) return {};
  return ruler.substr(from, static_cast<std::size_t>(count));
}

uint32_t FileColor(const TreeNode& file) {
  if (file.ChangeCode == "D -") return ColorRed;
  if (file.ChangeCode == "I -") return ColorBlue;
  return ColorBlack;
}

}  // namespace

CombinedRows::CombinedRows(const RunContext& ctx, ColoredLineWriter& out)
    : state_(ctx.State), locale_(ctx.Locale), out_(out) {}

void CombinedRows::Add(const TreeNode& row) {
  if (row.Kind == NodeDir) AddDirectory(row);
  if (row.Kind == NodeFile) AddFile(row);
}

void CombinedRows::Finish() {
  if (filteredRows_ > 0 && state_.Options.OptGmsg) EmitFilterMessage();
}

void CombinedRows::AddDirectory(const TreeNode& dir) {
  if (filteredRows_ > 0 && state_.Options.OptGmsg) EmitFilterMessage();
  hideFiles_ = keepQuiet_ = nonPairedUnderLchv_ = false;
  const bool inserted = dir.ChangeCode == "ID-";
  const bool paired = !inserted && dir.ChangeCode != "DD-";
  std::string mark;
  if (paired) {
    out_.SetColor(ColorBlack);
    mark = dir.HasChanges == 1 ? "(*) " : "( ) ";
  } else if (state_.Options.OptLmcf) {
    hideFiles_ = keepQuiet_ = true;
    Hide(dir);
    return;
  } else {
    nonPairedUnderLchv_ = state_.Options.OptLchv;
    out_.SetColor(inserted ? ColorBlue : ColorRed);
    mark = inserted ? "(+) " : "(-) ";
  }
  const int level = dir.Level;
  const std::string_view sep = locale_.ThousandsSeparator;
  std::string text = mark + std::string(RulerPart(DotRuler, 1, level + 1)) +
                     Format("  %-d  ", {int64_t{level}}) + "    " + LastComponent(dir.Name);
  if (paired) {
    text += "  (" + FormatThousands(dir.Size, sep) + " - " + FormatThousands(dir.OldSize, sep) +
            ")" +
            Format("  (Files = %d - %d)", {int64_t{dir.FileCount}, int64_t{dir.OldFileCount}});
  } else {
    text += "  (" + FormatThousands(dir.Size, sep) + ")" +
            Format("  (Files = %d)", {int64_t{dir.FileCount}});
  }
  out_.Add(" " + text);
}

void CombinedRows::AddFile(const TreeNode& file) {
  if (hideFiles_ || nonPairedUnderLchv_) return Hide(file);
  const int level = file.Level;
  const bool equal = file.ChangeCode == "   ";
  if (equal && state_.Options.OptLchv) {
    messageIndent_ = level + 15;
    return Hide(file);
  }
  const bool singleSided = file.ChangeCode == "I -" || file.ChangeCode == "D -";
  const bool tooLarge = IsTooLarge(file.Size) || IsTooLarge(file.OldSize);
  const std::string head =
      "    " + std::string(RulerPart(DotRuler, 0, level + 1)) + Format("  %d  ", {int64_t{level}});
  std::string text;
  if (equal && !tooLarge) {
    text = head + "   " + " ";
    messageIndent_ = static_cast<int>(text.size());
    out_.SetColor(ColorBlack);
  } else if (singleSided && !state_.Options.OptLchv) {
    return Hide(file);
  } else {
    out_.SetColor(FileColor(file));
    text = head + (tooLarge ? std::string("Err") : FileStatusText(file.ChangeCode)) + " ";
  }
  const std::string_view sep = locale_.ThousandsSeparator;
  const std::string size = FormatThousands(PrintedFileSize(file.Size), sep);
  text += LastComponent(file.Name);
  if (file.ChangeCode == "* -") {
    text += "  (" + size + " - " + FormatThousands(PrintedFileSize(file.OldSize), sep) + ")";
    if (state_.Options.OptItdt) {
      text += "    (" + DateText(file.Date, locale_.Date) + " - " +
              DateText(file.OldDate, locale_.Date) + ")";
    }
  } else {
    text += "  (" + size + ")";
    if (state_.Options.OptItdt) text += "    (" + DateText(file.Date, locale_.Date) + ")";
  }
  out_.Add(" " + text);
}

void CombinedRows::Hide(const TreeNode& row) {
  if (keepQuiet_) return;
  ++filteredRows_;
  if (row.Kind == NodeFile && row.ChangeCode == "   ") {
    ++filteredEqual_;
  } else if (row.ChangeCode == "D -") {
    ++filteredDel_;
  } else {
    ++filteredIns_;
  }
}

void CombinedRows::EmitFilterMessage() {
  out_.SetColor(ColorBlack);
  std::string message;
  if (filteredEqual_ > 0) {
    message = Format("                 (%d Matched Line(s) Filtered)", {int64_t{filteredEqual_}});
  } else if (filteredDel_ == 0) {
    message = Format("                 (%d Ins Line(s) Filtered)", {int64_t{filteredIns_}});
  } else if (filteredIns_ == 0) {
    message = Format("                 (%d Del Line(s) Filtered)", {int64_t{filteredDel_}});
  } else {
    message = Format("                 (%d Ins %d Del Line(s) Filtered)",
                     {int64_t{filteredIns_}, int64_t{filteredDel_}});
  }
  const int indent = std::clamp(messageIndent_, 0, static_cast<int>(BlankRuler.size()));
  out_.Add(std::string(BlankRuler.substr(0, static_cast<std::size_t>(indent))) + message);
  filteredRows_ = filteredEqual_ = filteredIns_ = filteredDel_ = 0;
}

}  // namespace kav
