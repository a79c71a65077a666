#include "ui/viewers/ViewerDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kav::ui {
namespace {

QString PlatformSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                             const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, start, filter);
}

bool PlatformPrinterSetUp(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

ViewerDialogHooks& Current() {
  static ViewerDialogHooks hooks{PlatformSaveFileName, PlatformPrinterSetUp};
  return hooks;
}

}  // namespace

ViewerDialogHooks SetViewerDialogHooks(ViewerDialogHooks hooks) {
  ViewerDialogHooks old = Current();
  Current().SaveFileName =
      hooks.SaveFileName ? std::move(hooks.SaveFileName) : PlatformSaveFileName;
  Current().SetUpPrinter =
      hooks.SetUpPrinter ? std::move(hooks.SetUpPrinter) : PlatformPrinterSetUp;
  return old;
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                        const QString& filter) {
  return Current().SaveFileName(parent, caption, start, filter);
}

bool AskPrinterSetUp(QWidget* parent, QPrinter& printer) {
  return Current().SetUpPrinter(parent, printer);
}

}  // namespace kav::ui
