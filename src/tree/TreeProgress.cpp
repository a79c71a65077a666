#include "tree/TreeProgress.h"

#include <string>

namespace kav {

void ShowTreeProgress(Host& ui, int64_t index, int64_t total) {
  const int64_t position = total > 0 ? index * 100 / total : 0;
  ui.SetProgress(static_cast<int>(position));
  ui.SetText(Control::MnTitlePosPCent, std::to_string(position) + "%");
  ui.SetText(Control::MnTitleProgBar, "Dir.Progress");
  TreeHeartbeat(ui);
}

void TreeHeartbeat(Host& ui) {
  ui.ToggleBusyImages();
  ui.ProcessPendingEvents();
}

}  // namespace kav
