#pragma once

#include <optional>
#include <string_view>

namespace kav {

// A decimal integer (blanks before it and a sign allowed), or nothing when the text is not one
// or does not fit in 32 bits. Used for the numbers kept as short texts in the settings file.
std::optional<int> ParseDecimal(std::string_view text);

// As ParseDecimal, but a number beyond 32 bits gives the nearest 32-bit value instead of
// nothing: a window position far off the screen is still a position, to be brought back.
std::optional<int> ParseClampedDecimal(std::string_view text);

}  // namespace kav
