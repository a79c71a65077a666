#pragma once

#include <string>
#include <string_view>

namespace kav {

// A cause that is not an errno value: the entry is a FIFO, socket, device or dangling link,
// whose bytes are never read (opening a FIFO could block for ever, opening a device could
// act on it).
inline constexpr int NotRegularFile = -1;

// Why a file or directory could not be read, kept as a value so a run can name it at its
// end: the path as it was used, and an errno value (or NotRegularFile).
struct IoError {
  std::string Path;
  int Code = 0;
};

// The line `cmp` and `diff` would write: "PATH: Permission denied" (the system's text for the
// code; a trailing '/' of a directory is left out).
std::string IoErrorText(const IoError& error);

}  // namespace kav
