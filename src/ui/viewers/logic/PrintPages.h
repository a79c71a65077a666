#pragma once

#include <string>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The measures a plain print lays its pages out by, in printer pixels, taken from "Courier
// New" at the print font size on the printer's canvas.
struct PageGeometry {
  int CharWidth = 1;      // width of "X"
  int BoldCharWidth = 1;  // width of "X" in bold
  int LineHeight = 1;     // height of "X"
  int LinesPerPage = 0;   // page height div LineHeight, minus 4
  int LeftX = 0;          // 3 * CharWidth
  int PageNumberX = 0;    // (page width div BoldCharWidth - 12) * BoldCharWidth
};

// The geometry from the three font measures and the page size. Measures below 1 count as 1,
// so a broken printer driver cannot make a division fail.
PageGeometry PageGeometryFrom(int charWidth, int boldCharWidth, int lineHeight, int pageWidth,
                              int pageHeight);

// One text on a printed page: drawn at (LeftX or PageNumberX, Line * LineHeight).
struct PrintText {
  int Line = 0;
  bool AtPageNumber = false;
  bool Bold = false;
  std::string Text;

  bool operator==(const PrintText&) const = default;
};

using PrintPage = std::vector<PrintText>;

// One spool job: a printer job under its own document name.
struct PrintJob {
  std::string DocName;
  std::vector<PrintPage> Pages;
};

// The rows a page holds below its header: lines 4 to LinesPerPage - 1, at least one.
int RowsPerPage(const PageGeometry& geometry);

// The single list viewer's plain print: one job named after the caption. Page 1 carries the
// caption and "Page   1" in bold at line 2, later pages the list header and their number;
// rows (as displayed) from line 4. A page that fills up starts the next page at once, so a
// store that fills its last page exactly ends with a page holding only its header.
PrintJob SingleListPrintJob(const RunState& state, const std::string& caption,
                            const std::string& header, const PageGeometry& geometry);

}  // namespace kav
