#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace kav::test {

// What one run of kavdrift-cli left behind.
struct CliResult {
  int ExitStatus = -1;  // -1 when the program did not exit normally
  int Signal = 0;       // the signal that ended it, if one did
  std::string Out;
  std::string Err;
};

// Runs the built kavdrift-cli with the arguments under the "C" locale and waits for it.
// `whileRunning`, when given, is called with the child's process id right after it started.
// `workingDir`, when given, is the directory the program runs in.
CliResult RunCli(const std::vector<std::string>& args,
                 const std::function<void(pid_t)>& whileRunning = {},
                 const std::string& workingDir = {});

// Waits (up to a few seconds) until the process catches SIGINT, i.e. its handler is in place.
bool WaitUntilCatchingSigint(pid_t pid);

// The lines of a text, each without its '\n'.
std::vector<std::string> Lines(const std::string& text);

}  // namespace kav::test
