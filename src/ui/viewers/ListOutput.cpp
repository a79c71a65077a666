#include "ui/viewers/ListOutput.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/AtomicFile.h"
#include "ui/main/QtText.h"
#include "ui/viewers/ViewerDialogs.h"
#include "ui/viewers/logic/ReportRtf.h"
#include "ui/viewers/logic/ReportSaveName.h"

namespace kav::ui {

WaitCursor::WaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
  QApplication::restoreOverrideCursor();
}

void RepaintPending() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

std::string AskListSaveName(QWidget* parent, RunState& state, bool storedUsable,
                            std::string_view defaultExtension) {
  const SaveDialogStart start =
      GraphSaveDialogStart(state.OutputFileName, storedUsable, state.Panel.MnCbNewDirNm);
  const QString chosen = AskSaveFileName(
      parent, QStringLiteral("Save Compare Results"), ToQt(start.Folder + start.FileName),
      QStringLiteral(
          "Any File (*.*);;Text File (*.Txt *.txt *.TXT);;RTF Color File (*.Rtf *.rtf *.RTF)"));
  if (chosen.isEmpty()) return {};
  std::string path = WithDefaultExtension(FromQt(chosen), defaultExtension);
  state.OutputFileName = KeptOutputFileName(path);
  return path;
}

std::string SaveWholeFile(const std::string& path, std::string_view content, bool append) {
  if (!append) return WriteFileAtomically(path, content);
  std::string combined;
  if (!ReadWholeFile(path, combined)) return "Cannot read " + path + " to append to it";
  combined.append(content);
  return WriteFileAtomically(path, combined);
}

std::string SaveColoredFile(const std::string& path, const ColoredDocument& document, int points) {
  return WriteFileAtomically(path, ReportRtf(document.Lines, points));
}

int FontSizeOf(const QString& text) {
  bool number = false;
  const int points = text.toInt(&number);
  return number && points > 0 ? points : 10;
}

}  // namespace kav::ui
