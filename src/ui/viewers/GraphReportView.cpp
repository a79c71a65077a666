#include "ui/viewers/GraphReportView.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cstdint>

#include "ui/main/QtText.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/logic/GraphFind.h"
#include "ui/viewers/logic/ReportRtf.h"
#include "ui/viewers/logic/ReportSaveName.h"

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

// A long report's first lines go into the box at once and the rest in slices while events
// run, so that its viewer shows without waiting for every line and stays responsive.
constexpr std::size_t kFirstSlice = 1000;
constexpr std::size_t kSlice = 2000;

// Appends lines [begin, end) at the end of `document` in their colours, one insertion per run
// of one colour. Every line ends in a block break but the report's last one (`last`): the next
// slice's first line goes into the empty block the break leaves.
void AppendReportLines(QTextDocument* document, std::vector<ColoredLine>::const_iterator begin,
                       std::vector<ColoredLine>::const_iterator end, bool last) {
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  QString run;
  uint32_t runColor = begin != end ? begin->Color : 0;
  auto insertRun = [&] {
    QTextCharFormat format;
    format.setForeground(EngineColor(runColor));
    cursor.insertText(run, format);
    run.clear();
  };
  for (auto line = begin; line != end; ++line) {
    if (line->Color != runColor) {
      insertRun();
      runColor = line->Color;
    }
    run += ToQt(line->Text);
    if (!last || line + 1 != end) run += QChar(u'\n');
  }
  insertRun();
  cursor.endEditBlock();
}

}  // namespace

// Appends the lines after the first slice to a report document, a slice each time events run.
// A child of the document: it goes when the box replaces the document.
class ReportFiller : public QObject {
  Q_OBJECT
 public:
  ReportFiller(QTextDocument* document, std::vector<ColoredLine> lines)
      : QObject(document), document_(document), lines_(std::move(lines)) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Append(kSlice); });
  }

  void FillLater() { timer_.start(); }

  // Appends up to `count` more lines; after the last one the filler goes.
  void Append(std::size_t count) {
    if (next_ == lines_.size()) return;
    const std::size_t end = next_ + std::min(count, lines_.size() - next_);
    const auto at = [this](std::size_t i) {
      return lines_.cbegin() + static_cast<std::ptrdiff_t>(i);
    };
    AppendReportLines(document_, at(next_), at(end), end == lines_.size());
    next_ = end;
    if (next_ == lines_.size()) {
      timer_.stop();
      deleteLater();
    }
  }

 private:
  QTextDocument* document_;
  std::vector<ColoredLine> lines_;
  std::size_t next_ = 0;
  QTimer timer_;
};

void RenderReport(QPlainTextEdit* box, const std::vector<ColoredLine>& lines, int pointSize) {
  auto* document = new QTextDocument(box);
  document->setDocumentLayout(new QPlainTextDocumentLayout(document));
  document->setDefaultFont(ReportFont(pointSize));
  document->setUndoRedoEnabled(false);
  const std::size_t first = std::min(lines.size(), kFirstSlice);
  AppendReportLines(document, lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first),
                    first == lines.size());
  if (first < lines.size()) {
    auto* filler = new ReportFiller(
        document, {lines.begin() + static_cast<std::ptrdiff_t>(first), lines.end()});
    filler->FillLater();
  }
  // The box deletes the document it replaces, which it owns as its child; a filler still at
  // work on that document goes with it.
  box->setDocument(document);
  box->setFont(ReportFont(pointSize));
}

void FinishReport(QPlainTextEdit* box) {
  if (auto* filler = box->document()->findChild<ReportFiller*>()) filler->Append(SIZE_MAX);
}

void PlaceReportCaret(QPlainTextEdit* box, long long position) {
  if (position > 0) FinishReport(box);
  QTextCursor cursor(box->document());
  const long long end = std::max(0, box->document()->characterCount() - 1);
  cursor.setPosition(static_cast<int>(std::clamp(position, 0LL, end)));
  box->setTextCursor(cursor);
  box->ensureCursorVisible();
  box->setFocus();
}

bool FindInReport(QPlainTextEdit* box, const QString& text, bool down) {
  FinishReport(box);
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
  FinishReport(box);
  printer.setDocName(QStringLiteral("My Document Name"));
  box->print(&printer);
}

}  // namespace kav::ui

#include "GraphReportView.moc"
