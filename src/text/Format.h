#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace kav {

using FormatArg = std::variant<int64_t, std::string_view>;

// printf-like formatting of the report patterns: %d and %s with an optional '-' (left
// alignment), a width counted in characters (UTF-8), and a '.' with optional digits. "%7.d" prints
// the number, 0 included, with at least one digit, right-aligned in 7 places; a wider value is
// never cut. "%%" is a percent sign. A missing argument prints nothing; a conversion of the wrong
// kind prints the argument as it is.
// Widths above this are taken as this one, so that no pattern can ask for a text of any size.
inline constexpr std::size_t MaxFormatWidth = 1024;

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

// FormatFloat(",#0", value): an integer with thousands separators, no decimals.
std::string FormatThousands(int64_t value, std::string_view separator);

// The text cut to at most `limit` characters (bytes).
std::string Cut(std::string_view text, std::size_t limit);

// Lower-cases ASCII letters; other bytes stay as they are.
std::string ToLower(std::string_view text);

// Case-insensitive (ASCII) equality.
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace kav
