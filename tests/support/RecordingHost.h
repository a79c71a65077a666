#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Host.h"

namespace kav::test {

// A Host that writes down what the engine asked of the window, for tests to check.
class RecordingHost : public Host {
 public:
  void SetText(Control control, std::string_view text) override;
  void SetProgress(int position) override;
  void SetVisible(Control control, bool visible) override;
  void SetEnabled(Control control, bool enabled) override;
  void Focus(Control control) override;
  void ToggleBusyImages() override { ++busyToggles; }
  void ProcessPendingEvents() override;
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  bool AskYesNo(std::string_view text) override;
  void RememberDirectory(Control combo, std::string_view text) override;
  void OpenViewer(Viewer viewer) override;
  void OpenSelectionWindow(SelectionWindow window) override;

  // Every call but the frequent ones (progress, events, busy images), in order, as text such
  // as "text MnCurrStatus=..." or "visible MnButStop=1".
  std::vector<std::string> calls;
  std::vector<std::string> messages;
  std::vector<std::string> statuses;  // each MnCurrStatus text in turn
  std::vector<std::string> questions;
  std::vector<Viewer> viewersOpened;
  std::vector<SelectionWindow> selectionsOpened;
  std::vector<int> progress;
  int eventPumps = 0;
  int busyToggles = 0;
  bool answer = true;

  // Hooks that let a test act like a user at the right moment.
  std::function<void()> onPendingEvents;
  std::function<void(Viewer)> onOpenViewer;
  std::function<void(SelectionWindow)> onOpenSelection;

  std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }
};

const char* ControlName(Control control);

}  // namespace kav::test
