#include "ui/viewers/logic/StoredGeometry.h"

#include "text/DecimalText.h"
#include "text/Format.h"

namespace kav {
namespace {

constexpr std::size_t ListViewerWidth = 3;

}  // namespace

std::optional<int> StoredNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  return ParseDecimal(text);
}

std::string StoredText(int value, std::size_t width) {
  return Cut(std::to_string(value), width);
}

StoredBox ReadStoredBox(const std::string& top, const std::string& height,
                        const std::string& width) {
  StoredBox box;
  if (!(box.Top = StoredNumber(top))) return box;
  if (!(box.Height = StoredNumber(height))) return box;
  box.Width = StoredNumber(width);
  return box;
}

void KeepStoredBox(int top, int height, int width, std::string& topText, std::string& heightText,
                   std::string& widthText) {
  topText = StoredText(top, ListViewerWidth);
  heightText = StoredText(height, ListViewerWidth);
  widthText = StoredText(width, ListViewerWidth);
}

}  // namespace kav
