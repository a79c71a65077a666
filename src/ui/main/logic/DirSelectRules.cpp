#include "ui/main/logic/DirSelectRules.h"

#include <algorithm>
#include <cstdlib>

#include "text/Format.h"

namespace kav {

bool IsBrowsableDirectory(const FileSystem& fs, std::string_view text) {
  return text.starts_with('/') && fs.IsDirectory(std::string(text));
}

DirSelectEntryPlan PlanDirSelectEntry(bool newBrowsable, bool oldBrowsable) {
  DirSelectEntryPlan plan;
  if (newBrowsable) {
    plan.Shows = EntryShows::NewDir;
    plan.RememberDsNew = true;
    plan.RememberDsOld = oldBrowsable;
  } else if (oldBrowsable) {
    plan.Shows = EntryShows::OldDir;
    plan.RememberDsOld = true;
  }
  return plan;
}

std::string ExeDirShown(std::string_view exeDir) {
  std::string shown(exeDir);
  if (!shown.ends_with('/')) shown += '/';
  return shown;
}

namespace {

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

}  // namespace

std::optional<std::string> DirSelectReturnQuestion(bool noWarn, std::string_view entryNew,
                                                   std::string_view entryOld,
                                                   std::string_view nowNew,
                                                   std::string_view nowOld) {
  if (noWarn) return std::nullopt;
  const bool newChanged = nowNew != entryNew;
  const bool oldChanged = nowOld != entryOld;
  std::string subject;
  if (!newChanged && !oldChanged) {
    subject = "New and Old Dir Names - " + Quoted(entryNew) + " and " + Quoted(entryOld) + " have";
  } else if (!oldChanged) {
    subject = "The Old Dir Name " + Quoted(entryOld) + " has";
  } else if (!newChanged) {
    subject = "The New Dir Name " + Quoted(entryNew) + " has";
  } else {
    return std::nullopt;
  }
  return "The Main Panel Input " + subject + " not been changed by this panel.  Exit anyway?";
}

namespace {

bool LessNoCase(std::string_view a, std::string_view b) {
  const std::string la = ToLower(a);
  const std::string lb = ToLower(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace

bool InsertSortedIfNew(StringList& sorted, std::string_view path) {
  for (const std::string& entry : sorted) {
    if (EqualsNoCase(entry, path)) return false;
  }
  auto at =
      std::upper_bound(sorted.begin(), sorted.end(), path,
                       [](std::string_view a, const std::string& b) { return LessNoCase(a, b); });
  sorted.insert(at, std::string(path));
  return true;
}

StringList SortedHistory(const StringList& entries) {
  StringList sorted;
  for (const std::string& entry : entries) InsertSortedIfNew(sorted, entry);
  return sorted;
}

StringList DriveRoots(StringList roots) {
  std::erase(roots, std::string());
  std::sort(roots.begin(), roots.end(), [](const std::string& a, const std::string& b) {
    if ((a == "/") != (b == "/")) return a == "/";
    return a < b;
  });
  roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
  return roots;
}

namespace {

bool Holds(std::string_view root, std::string_view path) {
  if (!path.starts_with(root)) return false;
  return root.ends_with('/') || path.size() == root.size() || path[root.size()] == '/';
}

}  // namespace

std::string DriveOf(const StringList& roots, std::string_view path) {
  std::string best;
  for (const std::string& root : roots) {
    if (Holds(root, path) && root.size() > best.size()) best = root;
  }
  if (!best.empty()) return best;
  return roots.empty() ? std::string("/") : roots.front();
}

bool DragStarts(int dx, int dy) {
  return std::abs(dx) >= DragThreshold || std::abs(dy) >= DragThreshold;
}

}  // namespace kav
