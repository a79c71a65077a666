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
  bool RunState::*Option;
};

// The ten preferences in panel order, the order of the options text.
inline constexpr std::array<PreferenceEntry, 10> PreferenceTable = {{
    {"Veqf", "PrCkVeqf", &PanelInputs::PrCkVeqf, &RunState::OptVeqf},
    {"Chgo", "PrCkChgO", &PanelInputs::PrCkChgO, &RunState::OptChgo},
    {"Spnm", "PrCkSpnm", &PanelInputs::PrCkSpnm, &RunState::OptSpnm},
    {"Ldeo", "PrCkListDEO", &PanelInputs::PrCkListDEO, &RunState::OptLdeo},
    {"Itdt", "PrCkItdt", &PanelInputs::PrCkItdt, &RunState::OptItdt},
    {"Ovso", "PrCkOvsO", &PanelInputs::PrCkOvsO, &RunState::OptOvso},
    {"Lmcf", "PrCkLmcf", &PanelInputs::PrCkLmcf, &RunState::OptLmcf},
    {"Gmsg", "PrCkGmsg", &PanelInputs::PrCkGmsg, &RunState::OptGmsg},
    {"Lchv", "PrCkLchv", &PanelInputs::PrCkLchv, &RunState::OptLchv},
    {"Lsbs", "PrCkListStyle", &PanelInputs::PrCkListStyle, &RunState::OptLsbs},
}};

}  // namespace kav
