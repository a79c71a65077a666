#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kav {

// One line of the change flagging legend: a key and its explanation, in one colour.
struct LegendEntry {
  std::string_view Key;
  std::string_view Explanation;
  uint32_t Color = 0;
};

// A headed group of legend lines.
struct LegendGroup {
  std::string_view Heading;
  std::vector<LegendEntry> Entries;
};

// The legend of the change flags of the tree reports, group by group, as the legend window
// shows it.
const std::vector<LegendGroup>& ChangeFlagLegend();

}  // namespace kav
