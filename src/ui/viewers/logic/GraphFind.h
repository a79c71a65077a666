#pragma once

#include <string_view>

namespace kav {

inline constexpr std::string_view FindDownNotFoundMessage =
    "Text in next downward direction not found ";
inline constexpr std::string_view FindUpNotFoundMessage =
    "Text in next upward direction not found ";

// Find in the graph viewer's report text. Both texts come case-folded by the caller, one
// UTF-16 unit for one, so positions are the text box's caret positions. Each returns the
// position of the match to select, or -1.

// Downward: the first match that starts after the caret (from caret + 1 to the end).
long long FindReportTextDown(std::u16string_view text, std::u16string_view pattern,
                             long long caret);

// Upward: the last match that lies wholly within the text before the caret.
long long FindReportTextUp(std::u16string_view text, std::u16string_view pattern, long long caret);

}  // namespace kav
