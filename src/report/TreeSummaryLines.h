#pragma once

#include <string>
#include <vector>

#include "core/TreeTotals.h"

namespace kav {

// The ten totals lines of a tree compare's final summary, in report order, each beginning
// with the count right-aligned in seven places ("%7d Total Files Processed.", ...). Both the
// side-by-side and the combined report print them (the combined one after one blank).
std::vector<std::string> TreeTotalsLines(const TreeTotals& totals);

// True when the tree compare found an inserted, deleted or changed directory or file.
bool TreeChangesFound(const TreeTotals& totals);

// The closing verdict of a tree compare, with or without "no" changes.
std::string TreeVerdictText(const TreeTotals& totals);

}  // namespace kav
