// The side-by-side save dialog's checks of the side width.
#include <gtest/gtest.h>

#include "ui/viewers/logic/SbsDialogLogic.h"

namespace kav {
namespace {

TEST(SbsDialogLogic, ASideWidthShowsItsCombinedSize) {
  const SbsSideEdit edit = SbsSideChanged("40", 70);
  EXPECT_EQ(edit.SideText, "40");
  EXPECT_EQ(edit.CombinedSize, 82);
  EXPECT_TRUE(edit.Message.empty());
}

TEST(SbsDialogLogic, InvalidSideWidthsAreResetToTheWidestRow) {
  for (const char* text : {"", "abc", "4x", "0", "-3", "99999999999"}) {
    SCOPED_TRACE(text);
    const SbsSideEdit edit = SbsSideChanged(text, 70);
    EXPECT_EQ(edit.SideText, "70");
    EXPECT_EQ(edit.CombinedSize, 142);
    EXPECT_EQ(edit.Message,
              "Side-by-side entered value is invalid. It is reset to original value. Reenter or "
              "cancel.");
  }
}

TEST(SbsDialogLogic, UseChecksTheWidthOnlyForTheSideBySideLayout) {
  struct Case {
    SbsLayout layout;
    const char* side;
    bool close;
    std::string_view message;
  } cases[] = {
      {SbsLayout::SideBySide, "70", true, {}},
      {SbsLayout::SideBySide, "1", true, {}},
      {SbsLayout::SideBySide, "71", false, SbsTooLargeMessage},
      {SbsLayout::SideBySide, "x", false, SbsInvalidMessage},
      {SbsLayout::Stacked, "71", true, {}},
      {SbsLayout::Stacked, "x", true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.side);
    const SbsUseDecision decision = SbsUse(c.layout, c.side, 70);
    EXPECT_EQ(decision.Close, c.close);
    EXPECT_EQ(decision.Message, c.message);
  }
  EXPECT_EQ(SbsTooLargeMessage,
            "Side-by-side entered value is larger than required. It is reset to original value. "
            "Reenter or cancel.");
}

}  // namespace
}  // namespace kav
