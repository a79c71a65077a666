#pragma once

#include <string>

#include "core/CompareTypes.h"
#include "core/RunState.h"
#include "ui/main/logic/Preferences.h"

namespace kav {

// The main window's part of the settings file: what its controls show. The viewers' geometry
// and font texts, the print choices and the kept selections live in the run state instead.
struct MainSettings {
  int Top = 164;
  int Left = 616;
  std::string NewDirNm;     // MnCbNewDirNm
  std::string OldDirNm;     // MnCbOldDirNm
  StringList NewHistory;    // MnCbNewDirNm's list
  StringList OldHistory;    // MnCbOldDirNm's list
  StringList DsNewHistory;  // DsInDirN's list (directory select page)
  StringList DsOldHistory;  // DsInDirO's list
  std::string CompareType = std::string(CompareTypeItems[0]);
  bool ViewResults = false;  // "Bypass show of Report Panel"
  bool TurnOffHint = false;  // "Turn off All Panel Hints"
  bool NoWarnDirC = false;   // DsCkNoWarnNoDirChg
  PreferenceChecks Preferences{};
  std::string OptionsText = "None";  // caption of MnlblOptsUsed
};

}  // namespace kav
