#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/PreferenceTable.h"

namespace kav {

// Check states in panel order (PreferenceTable).
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
