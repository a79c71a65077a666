#pragma once

#include <string>
#include <string_view>

namespace kav {

// Replaces the file at `path` with `content` so that no reader ever sees a half-written file:
// the bytes go to a temporary file in the same folder, are flushed to disk, and the temporary
// file is renamed over the old one. Only a regular file is ever replaced: a symbolic link at
// `path` that leads to one is written through (the temporary file goes beside the target, so
// the link stays), while a path or link leading to anything else (a device, a named pipe, a
// folder, nothing) is refused and nothing is written. The old file's permission bits are
// kept; a new file gets 0644 less the umask. Returns an empty text on success, else the
// reason with the path; on failure the old file is untouched and no temporary file is left.
std::string WriteFileAtomically(const std::string& path, std::string_view content);

// The whole content of a file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& content);

}  // namespace kav
