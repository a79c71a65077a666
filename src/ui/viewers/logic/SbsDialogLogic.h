#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kav {

inline constexpr std::string_view SbsInvalidMessage =
    "Side-by-side entered value is invalid. It is reset to original value. Reenter or cancel.";
inline constexpr std::string_view SbsTooLargeMessage =
    "Side-by-side entered value is larger than required. It is reset to original value. "
    "Reenter or cancel.";

// The two layouts a split report is saved in.
enum class SbsLayout { Stacked, SideBySide };

// The side width a text names: a whole number of at least 1 (a side of no columns would save
// a report without its rows), or nothing.
std::optional<int> SideWidthOf(std::string_view text);

// The combined line size of a side width: 2 x side + 2.
int CombinedLineSize(int sideWidth);

// What the dialog shows after the side width text changed: the side text (reset to
// `maxRowWidth` when the text is not a valid width), the combined size, and the message to
// show (empty when none).
struct SbsSideEdit {
  std::string SideText;
  int CombinedSize = 0;
  std::string_view Message;
};
SbsSideEdit SbsSideChanged(std::string_view text, int maxRowWidth);

// What "Use" does: close the dialog, or reset the side width to `maxRowWidth`, show the
// message and stay open. Only the side-by-side layout checks the width.
struct SbsUseDecision {
  bool Close = true;
  std::string_view Message;
};
SbsUseDecision SbsUse(SbsLayout layout, std::string_view sideText, int maxRowWidth);

}  // namespace kav
