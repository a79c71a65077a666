#include "report/SideBySideRowText.h"

#include <algorithm>

#include "report/TreeNames.h"
#include "text/CharacterCut.h"
#include "text/Format.h"
#include "text/PrintableText.h"
#include "tree/SizeLimit.h"

namespace kav {
namespace {

// The longest text a row keeps.
constexpr std::size_t RowTextLimit = 249;

std::string Dots(int level) {
  const int count = std::clamp(level, 0, static_cast<int>(DotRuler.size()));
  return std::string(DotRuler.substr(0, static_cast<std::size_t>(count)));
}

std::string Sizes(std::string_view separator, int64_t size) {
  return "  (" + FormatThousands(size, separator) + ")";
}

std::string Sizes(std::string_view separator, int64_t size, int64_t oldSize) {
  return "  (" + FormatThousands(size, separator) + " - " + FormatThousands(oldSize, separator) +
         ")";
}

// Code, indentation, level and name: directories print the level as "%-d ", files as " %d ",
// so a file's name starts one column further right than a directory's at the same level.
std::string EntryHead(const TreeNode& entry, std::string_view code, const SideLayout& side) {
  const int level = entry.Level + 1;  // the root's level number is 1
  const char* levelPattern = entry.Kind == NodeDir ? "%-d " : " %d ";
  return std::string(code) + "    " + Dots(level) + Format(levelPattern, {int64_t{level}}) +
         PrintableText(SideDisplayName(entry, side));
}

std::string Finished(const std::string& text) {
  return CutCharacters(text, RowTextLimit);
}

}  // namespace

std::string SideDisplayName(const TreeNode& entry, const SideLayout& side) {
  if (side.RelativeNames == nullptr) return EntryName(entry);
  if (entry.Level == 0) return FromPosition(entry.Name, static_cast<int>(entry.Name.size()));
  return side.RelativeNames->Of(entry);
}

std::string LeftRowText(const TreeNode& r, const TreeNode* s, const SideLayout& side) {
  const std::string_view sep = side.ThousandsSeparator;
  if (r.Kind == NodeDir) {
    const bool besideDir = s != nullptr && s->Kind == NodeDir;
    const std::string sizes = besideDir ? Sizes(sep, r.Size, s->Size) : Sizes(sep, r.Size);
    return Finished(EntryHead(r, r.ChangeCode, side) + sizes);
  }
  if (r.Kind != NodeFile) return r.Text.str();
  const std::string_view code = IsTooLarge(r.Size) ? std::string_view("Err") : r.ChangeCode.view();
  std::string text = EntryHead(r, code, side);
  if (r.ChangeCode == "* -") {
    const int64_t oldSize = s != nullptr ? PrintedFileSize(s->Size) : 0;
    text += Sizes(sep, PrintedFileSize(r.Size), oldSize);
  }
  return Finished(text);
}

std::string RightRowText(const TreeNode& s, const SideLayout& side) {
  if (s.Kind == NodeDir) {
    return Finished(EntryHead(s, s.ChangeCode, side) + Sizes(side.ThousandsSeparator, s.Size));
  }
  if (s.Kind != NodeFile) return s.Text.str();
  return Finished(EntryHead(s, s.ChangeCode, side));
}

}  // namespace kav
