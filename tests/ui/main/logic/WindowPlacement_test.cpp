#include "ui/main/logic/WindowPlacement.h"

#include <gtest/gtest.h>

#include <limits>

namespace kav {
namespace {

constexpr int Max = std::numeric_limits<int>::max();
constexpr int Min = std::numeric_limits<int>::min();

TEST(WindowPlacement, EveryWindowLandsWhollyOnTheFreeArea) {
  // A 1280x1000 screen whose panel takes the top 24 pixels.
  const ScreenRect area{0, 24, 1280, 1000};
  struct Case {
    ScreenRect window;
    ScreenRect placed;
  } cases[] = {
      {{100, 100, 900, 560}, {100, 100, 900, 560}},  // inside: left as it is
      {{-99, 100, 900, 560}, {0, 100, 900, 560}},    // past the left edge
      {{-298, 100, 900, 560}, {0, 100, 900, 560}},
      {{1000, 900, 900, 560}, {380, 464, 900, 560}},  // past the right and bottom edges
      {{200, 0, 900, 560}, {200, 24, 900, 560}},      // under the panel
      {{-50, -50, 2000, 1500}, {0, 24, 1280, 1000}},  // larger than the area: cut to it
      {{Max, Max, 501, 418}, {779, 606, 501, 418}},   // the int limits
      {{Min, Min, 501, 418}, {0, 24, 501, 418}},
      {{Max, Min, Max, Max}, {0, 24, 1280, 1000}},
      {{Min, Max, Min, Min}, {0, 1024, 0, 0}},  // a nonsense size shrinks to nothing
  };
  for (const Case& c : cases) {
    const ScreenRect placed = PlaceOnScreen(c.window, area);
    EXPECT_EQ(placed, c.placed) << c.window.Left << "," << c.window.Top << " " << c.window.Width
                                << "x" << c.window.Height;
  }
  // No free area at all: nothing to place the window on.
  EXPECT_EQ(PlaceOnScreen({Max, Min, 10, 10}, {0, 0, 0, 0}), (ScreenRect{Max, Min, 10, 10}));
}

TEST(WindowPlacement, AWindowLandsOnTheScreenUnderItsCentreElseTheNearest) {
  const std::vector<ScreenRect> areas{{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
  struct Case {
    ScreenRect window;
    int area;
  } cases[] = {
      {{100, 100, 500, 400}, 0},  {{1000, 100, 500, 400}, 0},  // centre at x 1250
      {{1200, 100, 500, 400}, 1}, {{-5000, 100, 500, 400}, 0},
      {{Max, Max, 501, 418}, 1},  {{Min, Min, 501, 418}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(LandingArea(c.window, areas), c.area) << c.window.Left;
  EXPECT_EQ(LandingArea({0, 0, 10, 10}, {}), -1);
}

}  // namespace
}  // namespace kav
