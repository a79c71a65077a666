#include "ui/main/logic/Preferences.h"

#include "text/Format.h"

namespace kav {

std::string_view PreferenceCode(std::size_t box) {
  return PreferenceTable[box].Code;
}

std::string OptionsText(const PreferenceChecks& checks) {
  std::string text;
  for (std::size_t box = 0; box < checks.size(); ++box) {
    if (!checks[box]) continue;
    if (!text.empty()) text += ' ';
    text += PreferenceCode(box);
  }
  return text.empty() ? std::string("None") : text;
}

void ApplyStoredOptions(std::string_view value, PreferenceChecks& checks,
                        std::string& optionsText) {
  if (EqualsNoCase(value.substr(0, 4), "None")) return;
  // A token is taken while its first character stands before the value's last one.
  for (std::size_t at = 0; at + 1 < value.size(); at += 5) {
    std::string_view token = value.substr(at, 4);
    for (std::size_t box = 0; box < PreferenceTable.size(); ++box) {
      if (!EqualsNoCase(token, PreferenceTable[box].Code)) continue;
      checks[box] = true;
      optionsText += PreferenceTable[box].Code;
      optionsText += ' ';
      break;
    }
  }
}

std::string FinishOptionsText(const std::string& optionsText) {
  std::size_t first = optionsText.find_first_not_of(' ');
  if (first == std::string::npos) return "None";
  std::size_t last = optionsText.find_last_not_of(' ');
  return optionsText.substr(first, last - first + 1);
}

void CopyPreferences(const PreferenceChecks& checks, PanelInputs& panel) {
  for (std::size_t box = 0; box < checks.size(); ++box) {
    panel.*PreferenceTable[box].CheckBox = checks[box];
  }
}

}  // namespace kav
