#include "ui/viewers/logic/SbsDialogLogic.h"

#include "text/DecimalText.h"

namespace kav {

std::optional<int> SideWidthOf(std::string_view text) {
  const std::optional<int> value = ParseDecimal(text);
  if (!value || *value < 1) return std::nullopt;
  return value;
}

int CombinedLineSize(int sideWidth) {
  return 2 * sideWidth + 2;
}

SbsSideEdit SbsSideChanged(std::string_view text, int maxRowWidth) {
  if (const std::optional<int> side = SideWidthOf(text)) {
    return {std::string(text), CombinedLineSize(*side), {}};
  }
  return {std::to_string(maxRowWidth), CombinedLineSize(maxRowWidth), SbsInvalidMessage};
}

SbsUseDecision SbsUse(SbsLayout layout, std::string_view sideText, int maxRowWidth) {
  if (layout == SbsLayout::Stacked) return {true, {}};
  const std::optional<int> side = SideWidthOf(sideText);
  if (!side) return {false, SbsInvalidMessage};
  if (*side > maxRowWidth) return {false, SbsTooLargeMessage};
  return {true, {}};
}

}  // namespace kav
