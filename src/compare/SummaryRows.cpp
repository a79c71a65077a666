#include "compare/SummaryRows.h"

#include "text/CharacterCut.h"
#include "text/DateText.h"
#include "text/Format.h"

namespace kav {
namespace {

constexpr std::size_t NameWidth = 26;

std::string PairDates(const FileResult& result, const DateLocale& locale) {
  return StampText(result.NewStamp, locale) + "    " + StampText(result.OldStamp, locale);
}

std::string SizeColumns(const FileResult& result) {
  return Format(" %7.d ", {result.NewSize}) + Format(" %7.d ", {result.OldSize});
}

}  // namespace

std::string ShortenName(std::string_view name, std::size_t width) {
  // Characters, not bytes: a cut inside a UTF-8 sequence would garble the name.
  const std::size_t count = CharacterCount(name);
  if (count <= width) return std::string(name);
  return CutCharacters(name, 19) + "..." +
         std::string(name.substr(CharacterOffset(name, count - 3)));
}

std::string StampText(uint32_t stamp, const DateLocale& locale) {
  return stamp == 0 ? std::string() : DateTimeText(stamp, locale);
}

std::string FullLayoutRow(const FileResult& result, std::string_view name, bool withDates,
                          const DateLocale& locale) {
  const std::string shortName = ShortenName(name, NameWidth);
  if (result.Processed) {
    std::string code = result.Changed ? "*   " : result.NotProcessed ? "Err " : "    ";
    std::string row = code + Format(" %-26s ", {shortName}) + SizeColumns(result);
    if (withDates) row += PairDates(result, locale);
    return row;
  }
  if (result.Inserted) {
    std::string code = result.NotProcessed ? "Err " : "I - ";
    return code + Format(" %-26s  %7.d ", {shortName, result.NewSize});
  }
  std::string code = result.NotProcessed ? "Err " : "D - ";
  std::string row = code + Format(" %-26s           %7.d ", {shortName, result.OldSize});
  if (withDates) row += std::string(26, ' ') + StampText(result.OldStamp, locale);
  return row;
}

std::string NamedPairRow(const FileResult& result, std::string_view newName,
                         std::string_view oldName, bool likeNames, bool withDates,
                         const DateLocale& locale) {
  std::string row = result.NotProcessed ? "Err " : result.Changed ? "*   " : "    ";
  row += Format(" %-26s ", {ShortenName(newName, NameWidth)});
  if (!likeNames) row += Format("%-26s ", {ShortenName(oldName, NameWidth)});
  row += SizeColumns(result);
  if (withDates) row += PairDates(result, locale);
  return row;
}

}  // namespace kav
