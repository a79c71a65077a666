#pragma once

#include <cstdint>

#include "core/Host.h"

namespace kav {

// Shows index * 100 / total on the progress bar and its percentage label under the title
// "Dir.Progress", swaps the busy images and lets pending window events run (where a Halt
// click gets in). A total of 0 or less shows 0.
void ShowTreeProgress(Host& ui, int64_t index, int64_t total);

// Swaps the busy images and lets pending window events run: the scan's heartbeat.
void TreeHeartbeat(Host& ui);

}  // namespace kav
