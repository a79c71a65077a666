#include "ui/main/logic/DirHistory.h"

#include "text/Format.h"

namespace kav {

bool HistoryAcceptsPath(const FileSystem& fs, std::string_view path, HistoryAccepts accepts) {
  if (path.empty()) return false;
  const std::string text(path);
  if (accepts == HistoryAccepts::DirectoryOnly) return fs.IsDirectory(text);
  DirEntry entry;
  return fs.Stat(text, entry);
}

int FindInHistory(const StringList& history, std::string_view text) {
  for (std::size_t i = 0; i < history.size(); ++i) {
    if (EqualsNoCase(history[i], text)) return static_cast<int>(i);
  }
  return -1;
}

bool AddToDirHistory(StringList& history, std::string_view path) {
  int found = FindInHistory(history, path);
  if (found == 0 && history.front() == path) return false;
  if (found >= 0) history.erase(history.begin() + found);
  history.insert(history.begin(), std::string(path));
  return true;
}

}  // namespace kav
