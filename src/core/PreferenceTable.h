#pragma once

#include <array>
#include <string_view>

#include "core/RunState.h"

namespace kav {

// One preference: its code as the options texts and the command line spell it, the name of
// its check box, the panel input the box fills and the option flag a run takes from it.
struct PreferenceEntry {
  std::string_view Code;
  std::string_view Name;
  bool PanelInputs::*CheckBox;
  bool RunOptions::*Option;
};

// The ten preferences in panel order, the order of the options text.
inline constexpr std::array<PreferenceEntry, 10> PreferenceTable = {{
    {"Veqf", "PrCkVeqf", &PanelInputs::PrCkVeqf, &RunOptions::OptVeqf},
    {"Chgo", "PrCkChgO", &PanelInputs::PrCkChgO, &RunOptions::OptChgo},
    {"Spnm", "PrCkSpnm", &PanelInputs::PrCkSpnm, &RunOptions::OptSpnm},
    {"Ldeo", "PrCkListDEO", &PanelInputs::PrCkListDEO, &RunOptions::OptLdeo},
    {"Itdt", "PrCkItdt", &PanelInputs::PrCkItdt, &RunOptions::OptItdt},
    {"Ovso", "PrCkOvsO", &PanelInputs::PrCkOvsO, &RunOptions::OptOvso},
    {"Lmcf", "PrCkLmcf", &PanelInputs::PrCkLmcf, &RunOptions::OptLmcf},
    {"Gmsg", "PrCkGmsg", &PanelInputs::PrCkGmsg, &RunOptions::OptGmsg},
    {"Lchv", "PrCkLchv", &PanelInputs::PrCkLchv, &RunOptions::OptLchv},
    {"Lsbs", "PrCkListStyle", &PanelInputs::PrCkListStyle, &RunOptions::OptLsbs},
}};

}  // namespace kav
