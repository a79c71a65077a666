#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kav {

// The number a stored geometry text holds; nothing when the text is empty or not a number.
std::optional<int> StoredNumber(const std::string& text);

// A geometry value as the settings file keeps it: its decimal text cut to `width` characters
// (so 1024 kept in 3 characters is "102").
std::string StoredText(int value, std::size_t width);

// A list viewer's stored top, height and width, taken in that order up to the first text that
// is not a number (an empty one included).
struct StoredBox {
  std::optional<int> Top;
  std::optional<int> Height;
  std::optional<int> Width;
};
StoredBox ReadStoredBox(const std::string& top, const std::string& height,
                        const std::string& width);

// Keeps a list viewer's top, height and width as 3-character texts.
void KeepStoredBox(int top, int height, int width, std::string& topText, std::string& heightText,
                   std::string& widthText);

}  // namespace kav
