#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kav::ui {

// The platform dialogs the viewers ask through: a save dialog and the printer set-up dialog.
// The defaults open QFileDialog and QPrintDialog; tests replace them so that no dialog ever
// waits for a person.
struct ViewerDialogHooks {
  // Returns the chosen file name, empty when the user cancelled.
  std::function<QString(QWidget* parent, const QString& caption, const QString& start,
                        const QString& filter)>
      SaveFileName;
  // Lets the user set up `printer`; true when accepted.
  std::function<bool(QWidget* parent, QPrinter& printer)> SetUpPrinter;
};

// Installs `hooks` (an empty member keeps the platform dialog) and returns the replaced ones.
ViewerDialogHooks SetViewerDialogHooks(ViewerDialogHooks hooks);

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                        const QString& filter);
bool AskPrinterSetUp(QWidget* parent, QPrinter& printer);

}  // namespace kav::ui
