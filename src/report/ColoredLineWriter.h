#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/RunState.h"
#include "text/PrintableText.h"

namespace kav {

// Appends lines to a coloured report the way a rich-text box takes them: a colour, once set,
// stays in force for every following line until another one is set. Starts in black.
class ColoredLineWriter {
 public:
  explicit ColoredLineWriter(std::vector<ColoredLine>& lines) : lines_(lines) {}

  void SetColor(uint32_t color) { color_ = color; }
  uint32_t ColorInForce() const { return color_; }

  // Adds one line in the colour in force; control characters cannot split it.
  void Add(const std::string& text) { lines_.push_back({color_, PrintableText(text)}); }

 private:
  std::vector<ColoredLine>& lines_;
  uint32_t color_ = ColorBlack;
};

}  // namespace kav
