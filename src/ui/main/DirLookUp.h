#pragma once

#include <QString>

class QWidget;

namespace kav::ui {

// What a selection window hands to the directory look-up dialog (TFrmDirLookUp2) before it
// shows, and what the dialog gives back. Directory texts keep their case and bytes: only the
// texts a window displays are lower-cased, never a path that is opened again.
struct DirLookUpRequest {
  QString NewDir;   // DSInDirN on entry
  QString OldDir;   // DSInDirO on entry
  QString ListDir;  // the directory the list shows first; empty: the program's own folder
};

struct DirLookUpResult {
  bool Returned = false;  // true: Return; false: Cancel or the window was closed
  QString NewDir;         // DSInDirN and DSInDirO when the dialog ended
  QString OldDir;
};

// Shows TFrmDirLookUp2 modally over parent and returns when it ends. The caller writes the
// result into the main window's New and Old combos (Return) or restores the texts that were
// in force when it opened the dialog (Cancel).
DirLookUpResult RunDirLookUp(QWidget* parent, const DirLookUpRequest& request);

}  // namespace kav::ui
