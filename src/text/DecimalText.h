#pragma once

#include <optional>
#include <string_view>

namespace kav {

// A decimal integer (blanks before it and a sign allowed), or nothing when the text is not one
// or does not fit in 32 bits. Used for the numbers kept as short texts in the settings file.
std::optional<int> ParseDecimal(std::string_view text);

}  // namespace kav
