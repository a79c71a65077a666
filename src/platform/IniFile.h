#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kav {

// One key and its value, as the program writes them.
struct IniKeyValue {
  std::string Key;
  std::string Value;
};

// Reads the lines of one section ([name], matched without regard to case) in file order, as
// "key=value" texts with escaped values restored. Blank lines and ';' comments are left out;
// a CR before the line end is dropped, and so is a UTF-8 byte-order mark at the start of the
// file. Returns false, appending nothing, when the file cannot be read (a missing file
// included).
bool ReadIniSection(const std::string& path, std::string_view section,
                    std::vector<std::string>& lines);

// Replaces the section with the given keys, in order, keeping every other line of the file
// (and a byte-order mark at its start) byte for byte; creates the file when absent. The new
// content goes to a temporary file beside the old one, is flushed to disk and then renamed
// over it, so a crash or a full disk leaves the old file whole. Returns an empty text on
// success, else the reason with the path (a path that leads to anything but a regular file
// is refused, see WriteFileAtomically).
std::string WriteIniSection(const std::string& path, std::string_view section,
                            const std::vector<IniKeyValue>& entries);

// A value with its backslashes, line breaks, tabs and other control characters written as
// backslash escapes, so that it stays on its one line and cannot start another key.
std::string EscapeIniValue(std::string_view value);
// The reverse of EscapeIniValue; an unknown escape is kept as it stands.
std::string UnescapeIniValue(std::string_view text);

}  // namespace kav
