#pragma once

#include <string_view>

#include "core/Controls.h"

namespace kav {

// The one door from the engines to the window. TFrmMain implements it with Qt, kavdrift-cli
// with plain output and the tests with a recorder. Calls never throw and never block on a user
// except the two message boxes and the modal windows, which return when closed.
class Host {
 public:
  virtual ~Host() = default;

  // Text of a label-like control: the status panel, the progress title, the percentage.
  virtual void SetText(Control control, std::string_view text) = 0;
  virtual void SetProgress(int position) = 0;  // MnProgressBar, 0..100
  virtual void SetVisible(Control control, bool visible) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  virtual void Focus(Control control) = 0;
  // Swaps the visibility of the two busy images (an animation).
  virtual void ToggleBusyImages() = 0;
  // Lets pending window events run; called at the loops' fixed rhythms. Implementations may
  // skip the work when they ran it a moment ago. This is where a Halt click gets in.
  virtual void ProcessPendingEvents() = 0;
  // Modal OK message. Pieces of one message are joined by '\r'.
  virtual void ShowMessage(std::string_view text) = 0;
  // Modal Yes/No question; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;
  // Remembers a validated directory text in a combo box's drop-down list.
  virtual void RememberDirectory(Control combo, std::string_view text) = 0;
  // Opens a report viewer modally; returns when it closes.
  virtual void OpenViewer(Viewer viewer) = 0;
  // Opens a selection window (types 3 and 4) modally; its start button runs the compare.
  virtual void OpenSelectionWindow(SelectionWindow window) = 0;
};

}  // namespace kav
