#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace kav {

// The status panel text of a run that ran to its end but could not read everything (its
// report leaves out or cannot judge what State.IoFailures names), in place of a closing text
// that would claim a whole answer.
inline constexpr std::string_view IncompleteRunStatus =
    " Operation incomplete: some files or directories could not be read.";

// Notes that the run could not read `path` (a file it had to compare, a directory it had to
// list) for the reason `code` (an errno value or NotRegularFile).
void RecordIoFailure(RunState& state, std::string path, int code);

// The message that names a run's failures after it: a first line, the first `shown` failures
// one a piece ("PATH: Permission denied"), then how many more there are. Pieces are joined by
// '\r' as in every message box. Empty when there are none.
std::string IoFailureMessage(const std::vector<IoError>& failures, std::size_t shown);

}  // namespace kav
