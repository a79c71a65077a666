#pragma once

#include <csignal>

namespace kav::cli {

// Set by the SIGINT handler; read at every pending-events call, so it must cost a load.
extern volatile std::sig_atomic_t InterruptFlag;

inline bool InterruptRequested() {
  return InterruptFlag != 0;
}

// Catches the first Ctrl-C (SIGINT) and turns it into the flag above; a second Ctrl-C ends
// the program the ordinary way. Returns false when the handler could not be installed.
bool InstallInterruptHandler();

}  // namespace kav::cli
