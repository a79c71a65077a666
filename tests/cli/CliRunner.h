#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <utility>
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

// How a run is set up beyond its arguments.
struct CliSetup {
  std::string WorkingDir;                                // empty: the tests' own
  std::vector<std::pair<std::string, std::string>> Env;  // added to the environment
  bool WithFailSys = false;  // preload the library that fails chosen calls (FAILSYS_* in Env)
  // Run as an unprivileged user: when the tests run as root (who reads every file), under
  // `setpriv` as user and group NobodyId, so that permissions count.
  bool Unprivileged = false;
};
CliResult RunCli(const std::vector<std::string>& args, const CliSetup& setup,
                 const std::function<void(pid_t)>& whileRunning = {});

// Waits (up to a few seconds) until the process catches SIGINT, i.e. its handler is in place.
bool WaitUntilCatchingSigint(pid_t pid);

// The lines of a text, each without its '\n'.
std::vector<std::string> Lines(const std::string& text);

// The lines joined, each followed by '\n': the text a report of those lines prints.
std::string Joined(const std::vector<std::string>& lines);

// The start stamp dates report titles ("12/08/26 21:40" under the C locale): tests see
// "<stamp>" in its place.
std::string WithoutStamp(const std::string& text);

}  // namespace kav::test
