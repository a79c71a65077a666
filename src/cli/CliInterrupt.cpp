#include "cli/CliInterrupt.h"

#include <signal.h>

namespace kav::cli {

volatile std::sig_atomic_t InterruptFlag = 0;

namespace {

extern "C" void OnInterrupt(int /*signal*/) {
  InterruptFlag = 1;
}

}  // namespace

bool InstallInterruptHandler() {
  struct sigaction action = {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  // Reads restart after the handler; the run notices the flag at its next poll. The handler
  // is reset after one delivery so that a second Ctrl-C still ends a stuck program.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  return sigaction(SIGINT, &action, nullptr) == 0;
}

}  // namespace kav::cli
