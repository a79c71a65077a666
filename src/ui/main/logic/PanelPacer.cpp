#include "ui/main/logic/PanelPacer.h"

#include <algorithm>

namespace kav {

void PanelPacer::SetText(Control control, std::string_view text) {
  auto held = std::find_if(held_.Texts.begin(), held_.Texts.end(),
                           [control](const auto& entry) { return entry.first == control; });
  if (held == held_.Texts.end()) {
    held_.Texts.emplace_back(control, std::string(text));
  } else {
    held->second.assign(text);
  }
}

void PanelPacer::SetProgress(int position) {
  held_.Progress = position;
}

void PanelPacer::ToggleBusyImages() {
  held_.SwapBusyImages = true;
}

PanelChanges PanelPacer::TakeDue(std::int64_t nowNs) {
  if (held_.Empty()) return {};
  if (lastPaintNs_ && nowNs - *lastPaintNs_ < intervalNs_) return {};
  lastPaintNs_ = nowNs;
  return TakeAll();
}

PanelChanges PanelPacer::TakeAll() {
  return std::exchange(held_, PanelChanges{});
}

}  // namespace kav
