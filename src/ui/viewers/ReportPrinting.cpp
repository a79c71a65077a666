#include "ui/viewers/ReportPrinting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "ui/main/QtText.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/logic/ListSaveFiles.h"

namespace kav::ui {
namespace {

QFont PrintFont(int points, bool bold) {
  QFont font = ReportFont(points);
  font.setBold(bold);
  return font;
}

QColor ReportColor(uint32_t color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QRect PageArea(QPrinter& printer) {
  return printer.pageLayout().paintRectPixels(printer.resolution());
}

}  // namespace

PageGeometry MeasurePageGeometry(QPrinter& printer, int points) {
  const QFontMetrics normal(PrintFont(points, false), &printer);
  const QFontMetrics bold(PrintFont(points, true), &printer);
  const QRect page = PageArea(printer);
  return PageGeometryFrom(normal.horizontalAdvance(QLatin1Char('X')),
                          bold.horizontalAdvance(QLatin1Char('X')), normal.height(), page.width(),
                          page.height());
}

PrintSession::PrintSession(QPrinter& printer, int points, std::function<void()> poll)
    : printer_(printer),
      points_(points),
      file_(FromQt(printer.outputFileName())),
      poll_(std::move(poll)) {}

void PrintSession::Painted() {
  if (++painted_ % 100 == 0 && poll_) poll_();
}

bool PrintSession::Begin(QPainter& painter, const std::string& docName) {
  printer_.setDocName(ToQt(docName));
  if (!file_.empty()) printer_.setOutputFileName(ToQt(JobOutputFileName(file_, jobs_)));
  if (!painter.begin(&printer_)) {
    error_ = QStringLiteral("The printer refused the job \"%1\".").arg(ToQt(docName));
    return false;
  }
  ++jobs_;
  return true;
}

bool PrintSession::Print(const PrintJob& job) {
  QPainter painter;
  if (!Begin(painter, job.DocName)) return false;
  const PageGeometry g = MeasurePageGeometry(printer_, points_);
  const QFont normal = PrintFont(points_, false);
  const QFont bold = PrintFont(points_, true);
  const int ascent = QFontMetrics(normal, &printer_).ascent();
  for (std::size_t page = 0; page < job.Pages.size(); ++page) {
    if (page > 0) printer_.newPage();
    for (const PrintText& text : job.Pages[page]) {
      painter.setFont(text.Bold ? bold : normal);
      const int x = text.AtPageNumber ? g.PageNumberX : g.LeftX;
      painter.drawText(x, text.Line * g.LineHeight + ascent, ToQt(text.Text));
      Painted();
    }
  }
  return End(painter, job.DocName);
}

bool PrintSession::Print(const ColoredDocument& document) {
  QPainter painter;
  if (!Begin(painter, document.Title)) return false;
  const QFont font = PrintFont(points_, false);
  const QFontMetrics metrics(font, &printer_);
  const int lineHeight = std::max(1, metrics.height());
  const int perPage = std::max(1, PageArea(printer_).height() / lineHeight);
  const int left = 3 * metrics.horizontalAdvance(QLatin1Char('X'));
  painter.setFont(font);
  uint32_t inForce = ColorBlack;
  painter.setPen(ReportColor(inForce));
  int line = 0;
  for (const ColoredLine& text : document.Lines) {
    if (line == perPage) {
      printer_.newPage();
      line = 0;
    }
    if (text.Color != inForce) {
      inForce = text.Color;
      painter.setPen(ReportColor(inForce));
    }
    painter.drawText(left, line * lineHeight + metrics.ascent(), ToQt(text.Text));
    ++line;
    Painted();
  }
  return End(painter, document.Title);
}

// A job the printer cannot finish (a full disk under a PDF file, say) is named as failed.
bool PrintSession::End(QPainter& painter, const std::string& docName) {
  if (painter.end()) return true;
  error_ = QStringLiteral("The printer could not finish the job \"%1\".").arg(ToQt(docName));
  return false;
}

}  // namespace kav::ui
