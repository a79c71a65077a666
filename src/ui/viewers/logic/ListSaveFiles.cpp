#include "ui/viewers/logic/ListSaveFiles.h"

#include <charconv>

#include "report/SingleListRows.h"
#include "text/CharacterCut.h"
#include "text/PrintableText.h"

namespace kav {

std::string SingleListFileText(const RunState& state, std::string_view caption) {
  std::string text = " \n" + PrintableText(caption) + "\n";
  std::string row;
  const int rows = static_cast<int>(state.ReportLines.size());
  for (int i = 0; i < rows; ++i) {
    row.clear();
    AppendSingleRowText(state, i, row);
    text += PrintableText(row);
    text += '\n';
  }
  return text;
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

std::string JobOutputFileName(std::string_view path, int job) {
  if (job <= 0) return std::string(path);
  const std::size_t slash = path.rfind('/');
  const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot <= nameStart) dot = path.size();
  return std::string(path.substr(0, dot)) + "-" + std::to_string(job + 1) +
         std::string(path.substr(dot));
}

bool SegmentPagesValid(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  return !text.empty() && error == std::errc() && ptr == end && value != 0;
}

bool SpoolLimitOpensLimited(bool printAllPages, std::string_view segmentPagesText) {
  return !printAllPages && SegmentPagesValid(segmentPagesText);
}

std::string KeptSegmentPagesText(std::string_view text) {
  return CutCharacters(text, 3);
}

}  // namespace kav
