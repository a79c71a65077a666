#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The text files a split report is saved as, line by line (no line ends). Rows appear as the
// split viewer displays them. The New and Old directory labels are the main panel's
// directory texts; the column headers are those of State.Split. Control characters in the
// rows are shown as '?', so no row can break a line of the file.

// A type 6 listing: title, then the New list under its section line and header, then the
// Old list likewise.
std::vector<std::string> TreeListFileLines(const RunState& state);

// The side-by-side layout for side width `sideWidth`: every line is max(131, 2 * sideWidth + 2)
// columns wide, the left row cut to the side width from column 1 and the right row from
// column sideWidth + 2; the summary rows follow on lines of the same width. The first line
// is `title`, or one blank when it is empty.
std::vector<std::string> SideBySideFileLines(const RunState& state, int sideWidth,
                                             std::string_view title);

// The stacked layout: the New rows, then the Old rows, then the summary rows. The first line
// is `title`, or one blank when it is empty; under Ovso (a summary-only report) the file is
// the title line, a blank line and the summary rows, and `title` is not used.
std::vector<std::string> StackedFileLines(const RunState& state, std::string_view title);

// The same layouts handed out a line at a time, so a writer never holds the whole report.
using LineSink = std::function<void(std::string)>;
void WriteTreeListFileLines(const RunState& state, const LineSink& lines);
void WriteSideBySideFileLines(const RunState& state, int sideWidth, std::string_view title,
                              const LineSink& lines);
void WriteStackedFileLines(const RunState& state, std::string_view title, const LineSink& lines);

}  // namespace kav
