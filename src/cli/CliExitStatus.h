#pragma once

#include <string_view>

#include "core/RunState.h"

namespace kav::cli {

inline constexpr int ExitEqual = 0;
inline constexpr int ExitDifferent = 1;
inline constexpr int ExitTrouble = 2;

// What the run showed besides the state.
struct RunOutcome {
  int Type = 1;                 // the compare/list type that ran
  int MessageCount = 0;         // message boxes shown (input problems, refusals, errors)
  bool CliRefused = false;      // the command line's selection could not be used
  std::string_view LastStatus;  // the final status panel text
};

// The exit status of a finished run: 2 on trouble (no validated run, a message box, a halt,
// something the run could not read (State.IoFailures), an abnormal end, an ERROR or WARN verdict, a
// failed tree file comparison, a directory that could not be listed), else 1 when something was
// changed, inserted or deleted, else 0. List runs (types 5 and 6) are 0 unless in trouble.
int ExitStatusOf(const RunState& state, const RunOutcome& outcome);

}  // namespace kav::cli
