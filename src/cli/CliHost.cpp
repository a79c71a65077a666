#include "cli/CliHost.h"

#include "cli/CliInterrupt.h"
#include "run/Dispatcher.h"

namespace kav::cli {

std::string MessageLines(std::string_view text) {
  std::string lines(text);
  for (char& c : lines) {
    if (c == '\r') c = '\n';
  }
  return lines;
}

void CliHost::SetText(Control control, std::string_view text) {
  if (control == Control::MnCurrStatus) lastStatus_ = text;
}

void CliHost::ProcessPendingEvents() {
  if (InterruptRequested() && !state_.HaltRequested) MnButStopClick(state_);
}

void CliHost::ShowMessage(std::string_view text) {
  ++messageCount_;
  errors_ << MessageLines(text) << '\n' << std::flush;
}

bool CliHost::AskYesNo(std::string_view text) {
  errors_ << MessageLines(text) << " (answered No)\n" << std::flush;
  return false;
}

void CliHost::OpenSelectionWindow(SelectionWindow window) {
  if (onSelection) onSelection(window);
}

}  // namespace kav::cli
