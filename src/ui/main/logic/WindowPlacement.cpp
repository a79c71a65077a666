#include "ui/main/logic/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace kav {
namespace {

// One axis: the window's start and length within the area's start and length. The sums are
// taken in 64 bits, as a stored start near the int limits would overflow otherwise.
void PlaceOnAxis(int& start, int& length, int areaStart, int areaLength) {
  length = std::clamp(length, 0, areaLength);
  const int64_t last = int64_t{areaStart} + areaLength - length;
  start = static_cast<int>(std::clamp<int64_t>(start, areaStart, last));
}

// How far `point` lies outside [start, start + length) along one axis.
double Outside(double point, int start, int length) {
  const double end = static_cast<double>(start) + length;
  return point < start ? start - point : point >= end ? point - end : 0.0;
}

}  // namespace

ScreenRect PlaceOnScreen(const ScreenRect& window, const ScreenRect& available) {
  if (available.Width <= 0 || available.Height <= 0) return window;
  ScreenRect placed = window;
  PlaceOnAxis(placed.Left, placed.Width, available.Left, available.Width);
  PlaceOnAxis(placed.Top, placed.Height, available.Top, available.Height);
  return placed;
}

int LandingArea(const ScreenRect& window, const std::vector<ScreenRect>& areas) {
  const double x = window.Left + window.Width / 2.0;
  const double y = window.Top + window.Height / 2.0;
  int nearest = -1;
  double nearestDistance = 0;
  for (std::size_t i = 0; i < areas.size(); ++i) {
    const double dx = Outside(x, areas[i].Left, areas[i].Width);
    const double dy = Outside(y, areas[i].Top, areas[i].Height);
    const double distance = dx * dx + dy * dy;
    if (nearest < 0 || distance < nearestDistance) {
      nearest = static_cast<int>(i);
      nearestDistance = distance;
    }
  }
  return nearest;
}

}  // namespace kav
