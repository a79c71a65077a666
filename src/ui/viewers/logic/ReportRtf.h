#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The combined report as a plain text file: every line followed by a line end.
std::string ReportPlainText(const std::vector<ColoredLine>& lines);

// The combined report as an RTF document: "Courier New" at `pointSize` points, a colour
// table of the colours the lines use (in order of first use), and each line in its colour.
// Any text is safe in it: backslashes and braces are escaped, characters outside ASCII are
// written as \uN? (UTF-16 units, a pair for characters past U+FFFF), control characters and
// bytes that are not UTF-8 become '?'.
std::string ReportRtf(const std::vector<ColoredLine>& lines, int pointSize);

// One text escaped for the body of an RTF document, as above.
std::string RtfEscape(std::string_view utf8);

}  // namespace kav
