// kavdrift-cli: runs one compare or list run headless and prints its report.

#include <unistd.h>

#include <clocale>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/CliExitStatus.h"
#include "cli/CliHost.h"
#include "cli/CliInterrupt.h"
#include "cli/CliOutput.h"
#include "cli/CliReport.h"
#include "cli/CliSelection.h"
#include "cli/CliTreeReport.h"
#include "core/CompareTypes.h"
#include "platform/Locale.h"
#include "run/Dispatcher.h"
#include "run/TreeEngine.h"

namespace {

using namespace kav;
using namespace kav::cli;

bool WantsColor(ColorWhen when) {
  if (when == ColorWhen::Always) return true;
  if (when == ColorWhen::Never) return false;
  return isatty(STDOUT_FILENO) == 1;
}

void FillPanel(const CliOptions& options, PanelInputs& panel) {
  panel = options.Preferences;
  panel.MnCbNewDirNm = options.NewDir;
  panel.MnCbOldDirNm = options.OldDir;
}

bool IsSingleLevel(CompareType type) {
  return type == CompareType::LikeNames || type == CompareType::SelectLike ||
         type == CompareType::SelectUnlike;
}

void PrintReport(RunState& state, bool colored) {
  if (IsSingleLevel(state.RunType)) {
    WriteSingleListReport(state, std::cout, colored);
  } else if (!state.HaltRequested) {
    WriteTreeReport(state, std::cout, colored);
  } else {
    // A halted tree run builds no report; like a halted single-level run's verdict, the line
    // tells a saved report's reader why it is short.
    std::cout << TreeRunHaltedText << '\n';
  }
  std::cout.flush();
}

int Run(const CliOptions& options) {
  RunState state;
  FillPanel(options, state.Panel);
  const LocaleFacts locale = ReadProcessLocale();
  state.StartStamp = StartStampNow(locale.Date);

  CliHost host(state, std::cerr);
  RunContext ctx{state, host, RealFileSystem(), locale};
  CliSelection selection(ctx, options.Selects, options.Pairs, std::cerr);
  host.onSelection = [&selection](SelectionWindow window) { selection.Open(window); };

  if (!InstallInterruptHandler()) std::cerr << "kavdrift-cli: Ctrl-C cannot halt this run\n";
  RunCompare(ctx, static_cast<CompareType>(options.Type));

  PrintReport(state, WantsColor(options.Color));
  for (const IoError& failure : state.IoFailures) {
    std::cerr << "kavdrift-cli: " << IoErrorText(failure) << '\n';
  }
  // A report that could not be written gets no closing status that would read as success;
  // the write error is named when standard output is closed.
  const bool reportWritten = static_cast<bool>(std::cout);
  if (reportWritten && !host.LastStatus().empty()) {
    std::cerr << MessageLines(host.LastStatus()) << '\n';
  }
  const RunOutcome outcome{host.MessageCount(), selection.Refused()};
  return ExitStatusOf(state, outcome);
}

}  // namespace

// Everything but the checked standard output, which main() wraps around it.
static int RunCommandLine(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const ParsedArgs parsed = ParseCliArgs(args);
  if (!parsed.Error.empty()) {
    std::cerr << "kavdrift-cli: " << parsed.Error << "\nTry 'kavdrift-cli --help'.\n";
    return ExitTrouble;
  }
  if (parsed.Options.Help) {
    std::cout << UsageText();
    return ExitEqual;
  }
  if (parsed.Options.Version) {
    std::cout << VersionText << '\n';
    return ExitEqual;
  }
  return Run(parsed.Options);
}

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  kav::cli::CheckedStdout out(std::cout, STDOUT_FILENO);
  return out.Finish(RunCommandLine(argc, argv), std::cerr);
}
