#pragma once

#include "core/RunContext.h"

namespace kav {

// Opens the viewer of the last run ("&Re-Show Last Report Panel", and after a compare).
void ShowResults(RunContext& ctx);

}  // namespace kav
