#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Controls.h"

namespace kav {

// How often the main window paints its panel during a run: 20 times a second still shows the
// progress moving and the busy figure running.
inline constexpr std::int64_t PanelPaintIntervalNs = 50'000'000;

// What the main panel is to show next: the texts, the progress position and whether the busy
// images swap. Empty when nothing changed.
struct PanelChanges {
  std::vector<std::pair<Control, std::string>> Texts;  // one per control, its latest text
  std::optional<int> Progress;
  bool SwapBusyImages = false;

  bool Empty() const { return Texts.empty() && !Progress && !SwapBusyImages; }
};

// Holds back the status texts, the progress and the busy animation of a run so that the window
// paints them at a bounded rate: a run sets them for every tree node, and a paint per call
// would cost an X server round trip each. Only the latest value of each is kept; the busy
// images swap at most once per paint. Times are nanoseconds on any steady clock.
class PanelPacer {
 public:
  explicit PanelPacer(std::int64_t intervalNs) : intervalNs_(intervalNs) {}

  void SetText(Control control, std::string_view text);
  void SetProgress(int position);
  void ToggleBusyImages();
  // Forgets a pending swap: the run has set the images' visibility itself.
  void DropBusySwap() { held_.SwapBusyImages = false; }

  // The held changes when a paint is due at `nowNs` (none has been taken yet, or the last one
  // was taken at least an interval earlier), else nothing; what it returns is no longer held.
  PanelChanges TakeDue(std::int64_t nowNs);
  // Every held change, due or not (the run ends or a window opens over it).
  PanelChanges TakeAll();

 private:
  std::int64_t intervalNs_;
  std::optional<std::int64_t> lastPaintNs_;
  PanelChanges held_;
};

}  // namespace kav
