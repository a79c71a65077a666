#pragma once

#include "core/RunState.h"

namespace kav::cli {

inline constexpr int ExitEqual = 0;
inline constexpr int ExitDifferent = 1;
inline constexpr int ExitTrouble = 2;

// What the run showed besides the state.
struct RunOutcome {
  int MessageCount = 0;     // message boxes shown (input problems, refusals, errors)
  bool CliRefused = false;  // the command line's selection could not be used
};

// The exit status of a finished run, from its verdict (State.FinalVerdict): 2 on trouble (a
// message box, a refused selection, something the run could not read (State.IoFailures), no
// verdict, a warning, an error, a halt, an abnormal end), 1 when something was changed,
// inserted or deleted, else 0; a list run that listed everything is 0.
int ExitStatusOf(const RunState& state, const RunOutcome& outcome);

}  // namespace kav::cli
