#include "support/RecordingHost.h"

namespace kav::test {

const char* ControlName(Control control) {
  switch (control) {
    case Control::MnCurrStatus:
      return "MnCurrStatus";
    case Control::MnProgressBar:
      return "MnProgressBar";
    case Control::MnTitleProgBar:
      return "MnTitleProgBar";
    case Control::MnTitlePosPCent:
      return "MnTitlePosPCent";
    case Control::MnImage1:
      return "MnImage1";
    case Control::MnImage2:
      return "MnImage2";
    case Control::MnButStop:
      return "MnButStop";
    case Control::MnButExit:
      return "MnButExit";
    case Control::MnBtnStart:
      return "MnBtnStart";
    case Control::MnBtnRshow:
      return "MnBtnRshow";
    case Control::MnCkViewResults:
      return "MnCkViewResults";
    case Control::MnCbNewDirNm:
      return "MnCbNewDirNm";
    case Control::MnCbOldDirNm:
      return "MnCbOldDirNm";
    case Control::SingleInsLabel:
      return "SingleInsLabel";
    case Control::SingleDelLabel:
      return "SingleDelLabel";
    case Control::SplitInsLabel:
      return "SplitInsLabel";
    case Control::SplitDelLabel:
      return "SplitDelLabel";
    case Control::LsBitChngUp:
      return "LsBitChngUp";
    case Control::LsBitChngDown:
      return "LsBitChngDown";
    case Control::VsButLegend:
      return "VsButLegend";
  }
  return "?";
}

void RecordingHost::SetText(Control control, std::string_view text) {
  if (control == Control::MnCurrStatus) statuses.emplace_back(text);
  if (control == Control::MnTitlePosPCent) return;  // follows every progress step
  calls.push_back(std::string("text ") + ControlName(control) + "=" + std::string(text));
}

void RecordingHost::SetProgress(int position) {
  progress.push_back(position);
}

void RecordingHost::SetVisible(Control control, bool visible) {
  calls.push_back(std::string("visible ") + ControlName(control) + "=" + (visible ? "1" : "0"));
}

void RecordingHost::SetEnabled(Control control, bool enabled) {
  calls.push_back(std::string("enabled ") + ControlName(control) + "=" + (enabled ? "1" : "0"));
}

void RecordingHost::Focus(Control control) {
  calls.push_back(std::string("focus ") + ControlName(control));
}

void RecordingHost::ProcessPendingEvents() {
  ++eventPumps;
  if (onPendingEvents) onPendingEvents();
}

bool RecordingHost::AskYesNo(std::string_view text) {
  questions.emplace_back(text);
  return answer;
}

void RecordingHost::RememberDirectory(Control combo, std::string_view text) {
  calls.push_back(std::string("remember ") + ControlName(combo) + "=" + std::string(text));
}

void RecordingHost::OpenViewer(Viewer viewer) {
  viewersOpened.push_back(viewer);
  if (onOpenViewer) onOpenViewer(viewer);
}

void RecordingHost::OpenSelectionWindow(SelectionWindow window) {
  selectionsOpened.push_back(window);
  if (onOpenSelection) onOpenSelection(window);
}

}  // namespace kav::test
