#pragma once

#include <string>
#include <string_view>

namespace kav {

// Where a save dialog starts: a folder and a file name (empty for none).
struct SaveDialogStart {
  std::string Folder;
  std::string FileName;
};

// The tree graph viewer's save dialog start: the stored output file's folder and name when
// that file exists, else the folder that holds the New directory (the report is not proposed
// inside the tree it describes).
SaveDialogStart GraphSaveDialogStart(std::string_view storedName, bool storedExists,
                                     std::string_view newDirText);

// Whether a file name asks for rich text: its extension, in any case, is ".rtf".
bool IsRtfFileName(std::string_view path);

// The name with `extension` (such as ".Txt") added when its last component has none.
std::string WithDefaultExtension(std::string_view path, std::string_view extension);

// The output file name as the run state keeps it: at most 149 characters.
std::string KeptOutputFileName(std::string_view path);

}  // namespace kav
