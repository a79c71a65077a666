#pragma once

#include "core/RunContext.h"

namespace kav {

// Turns the two aligned row lists of the side-by-side merge into report text (each row's
// Text), appends the legend and summary trailer, sets NewNumberedCount/OldNumberedCount and
// the split viewer's headers, and releases the dropped records' hold on the node lists.
void BuildSideBySideReport(RunContext& ctx);

}  // namespace kav
