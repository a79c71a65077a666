#include "text/DecimalText.h"

#include <charconv>
#include <limits>

namespace kav {
namespace {

std::optional<int> Parse(std::string_view text, bool clamp) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  text.remove_prefix(first);
  if (text.starts_with('+')) text.remove_prefix(1);
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size()) return std::nullopt;
  if (error == std::errc::result_out_of_range && clamp) {
    return text.starts_with('-') ? std::numeric_limits<int>::min()
                                 : std::numeric_limits<int>::max();
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> ParseDecimal(std::string_view text) {
  return Parse(text, false);
}

std::optional<int> ParseClampedDecimal(std::string_view text) {
  return Parse(text, true);
}

}  // namespace kav
