#pragma once

#include <QString>
#include <functional>
#include <string>

#include "ui/viewers/logic/ColoredOutput.h"
#include "ui/viewers/logic/PrintPages.h"

class QPainter;
class QPrinter;

namespace kav::ui {

// The page geometry of a plain print on `printer`: "Courier New" at `points`, measured on
// the printer's own resolution.
PageGeometry MeasurePageGeometry(QPrinter& printer, int points);

// The jobs of one print action, sent one after another to `printer`, each a printer job under
// its own document name. When the printer writes a file, the second job writes "name-2.pdf"
// and so on, so a later job never overwrites an earlier one. Printing stops at the first job
// the printer refuses; Error() then says why. `poll`, when given, runs every 100 lines
// painted, so that a long print lets the screen repaint.
class PrintSession {
 public:
  PrintSession(QPrinter& printer, int points, std::function<void()> poll = {});

  // A plain job: its pages as laid out, headers in bold.
  bool Print(const PrintJob& job);
  // A coloured document: one line after another, each in its colour, as many to a page as
  // fit.
  bool Print(const ColoredDocument& document);

  int JobCount() const { return jobs_; }
  const QString& Error() const { return error_; }

 private:
  bool Begin(QPainter& painter, const std::string& docName);
  bool End(QPainter& painter, const std::string& docName);
  void Painted();

  QPrinter& printer_;
  int points_;
  std::string file_;
  std::function<void()> poll_;
  int jobs_ = 0;
  long painted_ = 0;
  QString error_;
};

}  // namespace kav::ui
