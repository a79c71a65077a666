#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav::cli {

enum class ColorWhen { Auto, Always, Never };

// What the command line asked for.
struct CliOptions {
  int Type = 1;                      // compare/list type, 1..6
  PanelInputs Preferences;           // only the PrCk* fields are set here
  std::vector<std::string> Selects;  // --select names (type 3), in the order given
  std::vector<std::string> Pairs;    // --pair texts (type 4), in the order given
  ColorWhen Color = ColorWhen::Auto;
  std::string NewDir;
  std::string OldDir;
  bool HasOldDir = false;
  bool Help = false;
  bool Version = false;
};

struct ParsedArgs {
  CliOptions Options;
  std::string Error;  // empty when the arguments are sound
};

// Parses the arguments after the program name. Never throws; an unsound command line comes
// back with Error naming the offending argument.
ParsedArgs ParseCliArgs(const std::vector<std::string_view>& args);

// Sets the preference check box of each code in the text ("Veqf,Itdt" or "veqf itdt", any
// case). Returns the first unknown code, or an empty text when every code is known.
std::string ApplyOptionCodes(std::string_view codes, PanelInputs& panel);

// The usage text printed by --help.
std::string UsageText();

}  // namespace kav::cli
