#pragma once

#include <vector>

namespace kav {

// A window's frame or a screen's area, in pixels.
struct ScreenRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Where a window whose frame is `window` opens on a screen whose free area (the screen less
// its panels) is `available`: wholly inside that area, moved as little as possible, and cut to
// the area's size where it is larger, so its top-left corner (and the buttons there) can always
// be reached. Any int values are safe, the extremes included; an empty area leaves the window
// as it is. Every window of the program opens through this rule.
ScreenRect PlaceOnScreen(const ScreenRect& window, const ScreenRect& available);

// The screen a window lands on, as an index into the screens' free areas: the first area that
// holds the window's centre, else the area nearest to that centre; -1 when there is none.
int LandingArea(const ScreenRect& window, const std::vector<ScreenRect>& areas);

}  // namespace kav
