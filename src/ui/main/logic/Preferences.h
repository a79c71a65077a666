#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/RunState.h"

namespace kav {

// The ten preference codes; a check box carries an index into this table.
inline constexpr std::array<std::string_view, 10> PreferenceCodes = {
    "Veqf", "Ovso", "Lmcf", "Lchv", "Gmsg", "Lsbs", "Chgo", "Itdt", "Ldeo", "Spnm"};

// One check box of the preferences panel: its control name and its code index.
struct PreferenceBox {
  std::string_view Name;
  int CodeIndex;
};

// The check boxes in panel order, the order of the options text.
inline constexpr std::array<PreferenceBox, 10> PreferencePanel = {{
    {"PrCkVeqf", 0},
    {"PrCkChgO", 6},
    {"PrCkSpnm", 9},
    {"PrCkListDEO", 8},
    {"PrCkItdt", 7},
    {"PrCkOvsO", 1},
    {"PrCkLmcf", 2},
    {"PrCkGmsg", 4},
    {"PrCkLchv", 3},
    {"PrCkListStyle", 5},
}};

// Check states in panel order.
using PreferenceChecks = std::array<bool, 10>;

// The code of the box at panel position `box`.
std::string_view PreferenceCode(std::size_t box);

// "None", or the codes of the checked boxes in panel order separated by one blank.
std::string OptionsText(const PreferenceChecks& checks);

// Reads a stored options text (the OptsUsed value): unless it begins with "None" (any case),
// four-character tokens at positions 0, 5, 10, ... are matched without regard to case against
// the codes; each match checks its box and appends the code, in its own spelling, and a blank
// to `optionsText`. Tokens that name no code are ignored.
void ApplyStoredOptions(std::string_view value, PreferenceChecks& checks, std::string& optionsText);

// The caption after reading: "None" when nothing was taken, else the text without the blanks
// around it.
std::string FinishOptionsText(const std::string& optionsText);

// Copies the check states into the panel inputs the run reads at Start.
void CopyPreferences(const PreferenceChecks& checks, PanelInputs& panel);

}  // namespace kav
