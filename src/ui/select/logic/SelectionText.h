#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kav {

// The kept selections of the settings file (SvLList, SvULList): items each followed by ';'.
// Splitting takes every piece up to a ';', and a last piece without one; empty pieces are
// skipped. A name that holds a ';' cannot be kept whole: its parts name no file and the
// window drops them when it next opens.
std::vector<std::string> SplitSelectionText(std::string_view text);
std::string JoinSelectionText(const std::vector<std::string_view>& items);

}  // namespace kav
