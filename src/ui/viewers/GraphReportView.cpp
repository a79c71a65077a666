#include "ui/viewers/GraphReportView.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "ui/main/QtText.h"
#include "ui/viewers/GraphFind.h"
#include "ui/viewers/ReportRtf.h"
#include "ui/viewers/ReportSaveName.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/ViewerControls.h"

namespace kav::ui {
namespace {

// The text folded for a search without regard to case, one UTF-16 unit for one, so that
// positions in it are caret positions.
std::u16string Folded(const QString& text) {
  std::u16string folded(static_cast<std::size_t>(text.size()), u'\0');
  for (qsizetype i = 0; i < text.size(); ++i) {
    folded[static_cast<std::size_t>(i)] = text.at(i).toLower().unicode();
  }
  return folded;
}

}  // namespace

void RenderReport(QPlainTextEdit* box, const std::vector<ColoredLine>& lines, int pointSize) {
  auto* document = new QTextDocument(box);
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setDefaultFont(ReportFont(pointSize));
  document->setUndoRedoEnabled(false);
  QTextCursor cursor(document);
  cursor.beginEditBlock();
  QTextCharFormat format;
  uint32_t inForce = 0;
  format.setForeground(EngineColor(inForce));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) cursor.insertBlock();
    if (lines[i].Color != inForce) {
      inForce = lines[i].Color;
      format.setForeground(EngineColor(inForce));
    }
    cursor.insertText(ToQt(lines[i].Text), format);
  }
  cursor.endEditBlock();
  // The box deletes the document it replaces, which it owns as its child.
  box->setDocument(document);
  box->setFont(ReportFont(pointSize));
}

void PlaceReportCaret(QPlainTextEdit* box, long long position) {
  QTextCursor cursor(box->document());
  const long long end = std::max(0, box->document()->characterCount() - 1);
  cursor.setPosition(static_cast<int>(std::clamp(position, 0LL, end)));
  box->setTextCursor(cursor);
  box->ensureCursorVisible();
  box->setFocus();
}

bool FindInReport(QPlainTextEdit* box, const QString& text, bool down) {
  const std::u16string pattern = Folded(text);
  const std::u16string all = Folded(box->document()->toPlainText());
  const long long caret = box->textCursor().selectionStart();
  const long long found =
      down ? FindReportTextDown(all, pattern, caret) : FindReportTextUp(all, pattern, caret);
  if (found < 0) return false;
  QTextCursor cursor(box->document());
  cursor.setPosition(static_cast<int>(found));
  cursor.setPosition(static_cast<int>(found + static_cast<long long>(pattern.size())),
                     QTextCursor::KeepAnchor);
  box->setTextCursor(cursor);
  box->ensureCursorVisible();
  return true;
}

QString SaveReport(const QString& path, const std::vector<ColoredLine>& lines, int pointSize) {
  const std::string content =
      IsRtfFileName(FromQt(path)) ? ReportRtf(lines, pointSize) : ReportPlainText(lines);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString() + QStringLiteral(": ") + path;
  if (file.write(content.data(), static_cast<qint64>(content.size())) !=
      static_cast<qint64>(content.size())) {
    const QString error = file.errorString();
    file.cancelWriting();
    return error + QStringLiteral(": ") + path;
  }
  if (!file.commit()) return file.errorString() + QStringLiteral(": ") + path;
  return {};
}

void PrintReport(QPlainTextEdit* box, QPrinter& printer) {
  printer.setDocName(QStringLiteral("My Document Name"));
  box->print(&printer);
}

}  // namespace kav::ui
