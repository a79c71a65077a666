#include "ui/viewers/logic/PrintPages.h"

#include <algorithm>

#include "report/SingleListRows.h"
#include "text/Format.h"
#include "text/PrintableText.h"

namespace kav {

PageGeometry PageGeometryFrom(int charWidth, int boldCharWidth, int lineHeight, int pageWidth,
                              int pageHeight) {
  PageGeometry g;
  g.CharWidth = std::max(1, charWidth);
  g.BoldCharWidth = std::max(1, boldCharWidth);
  g.LineHeight = std::max(1, lineHeight);
  g.LinesPerPage = pageHeight / g.LineHeight - 4;
  g.LeftX = 3 * g.CharWidth;
  g.PageNumberX = std::max(0, (pageWidth / g.BoldCharWidth - 12) * g.BoldCharWidth);
  return g;
}

int RowsPerPage(const PageGeometry& geometry) {
  return std::max(1, geometry.LinesPerPage - 4);
}

PrintJob SingleListPrintJob(const RunState& state, const std::string& caption,
                            const std::string& header, const PageGeometry& geometry) {
  PrintJob job{caption, {}};
  const int lastLine = 4 + RowsPerPage(geometry);
  auto startPage = [&](const std::string& title) {
    const int number = static_cast<int>(job.Pages.size()) + 1;
    job.Pages.push_back({{2, false, true, PrintableText(title)},
                         {2, true, true, "Page " + Format("%3d", {int64_t{number}})}});
  };
  startPage(caption);
  int line = 4;
  const int rows = static_cast<int>(state.ReportLines.size());
  for (int row = 0; row < rows; ++row) {
    job.Pages.back().push_back({line, false, false, PrintableText(SingleRowText(state, row))});
    if (++line >= lastLine) {
      startPage(header);
      line = 4;
    }
  }
  return job;
}

}  // namespace kav
