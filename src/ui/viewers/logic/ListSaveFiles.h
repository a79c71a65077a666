#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The single list viewer's text file: a line with one blank, the caption, then every row as
// the viewer displays it; each line ends with "\n".
std::string SingleListFileText(const RunState& state, std::string_view caption);

// Lines joined into a file's text, each followed by "\n".
std::string JoinedLines(const std::vector<std::string>& lines);

// The file a print action's job number `job` (0 for the first) writes when the printer
// prints to `path`: the path itself for the first job, then "report-2.pdf", "report-3.pdf",
// ... (the number goes before the extension of the last component, or at the end), so no
// job of one action overwrites another.
std::string JobOutputFileName(std::string_view path, int job);

// The spool limit dialog's decisions. The page value is valid when it is a whole number other
// than zero; the dialog opens with the limit chosen when print-all is off and the stored value
// is valid; the value is kept as at most 3 characters.
bool SegmentPagesValid(std::string_view text);
bool SpoolLimitOpensLimited(bool printAllPages, std::string_view segmentPagesText);
std::string KeptSegmentPagesText(std::string_view text);

inline constexpr std::string_view SegmentPagesInvalidMessage =
    "Job segment page value not valid. Respecify";

}  // namespace kav
