#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/Host.h"
#include "core/RunState.h"

namespace kav::cli {

// The window, as seen from a terminal: message boxes go to the error stream at once, the
// status panel text is kept for the end, Ctrl-C becomes a Halt click, and the selection
// windows are played by a callback that fills the pair lists from the command line.
class CliHost : public Host {
 public:
  CliHost(RunState& state, std::ostream& errors) : state_(state), errors_(errors) {}

  void SetText(Control control, std::string_view text) override;
  void SetProgress(int /*position*/) override {}
  void SetVisible(Control /*control*/, bool /*visible*/) override {}
  void SetEnabled(Control /*control*/, bool /*enabled*/) override {}
  void Focus(Control /*control*/) override {}
  void ToggleBusyImages() override {}
  void ProcessPendingEvents() override;
  void ShowMessage(std::string_view text) override;
  // Nobody can answer at a terminal run: the question is shown and answered No.
  bool AskYesNo(std::string_view text) override;
  void RememberDirectory(Control /*combo*/, std::string_view /*text*/) override {}
  void OpenViewer(Viewer viewer) override { viewersOpened_.push_back(viewer); }
  void OpenSelectionWindow(SelectionWindow window) override;

  // Plays the selection windows (types 3 and 4).
  std::function<void(SelectionWindow)> onSelection;

  // The last status panel text; empty when the run never set one.
  const std::string& LastStatus() const { return lastStatus_; }
  // How many message boxes the run showed.
  int MessageCount() const { return messageCount_; }
  const std::vector<Viewer>& ViewersOpened() const { return viewersOpened_; }

 private:
  RunState& state_;
  std::ostream& errors_;
  std::string lastStatus_;
  int messageCount_ = 0;
  std::vector<Viewer> viewersOpened_;
};

// The message text with its carriage returns (line breaks between pieces) turned into
// newlines.
std::string MessageLines(std::string_view text);

}  // namespace kav::cli
