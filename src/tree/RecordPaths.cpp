#include "tree/RecordPaths.h"

#include "text/PrintableText.h"

namespace kav {

namespace {

// Appends `name` to `path` after a '/' (one '/' only when `path` ends with it already).
void AppendChildName(std::string& path, std::string_view name) {
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
}

}  // namespace

void RecordPaths::Put(std::string& path, std::string_view name, bool whole) const {
  const std::size_t from = whole ? 0 : path.size();
  if (whole) {
    path.assign(name);
  } else {
    AppendChildName(path, name);
  }
  if (spelling_ == Spelling::Shown) MakePrintable(path, from);
}

std::string_view RecordPaths::Spelled(const TreeNode& record) const {
  if (spelling_ == Spelling::Disk && !record.DiskName.empty()) return record.DiskName;
  return record.Name;
}

bool RecordPaths::Listed(int32_t index) const {
  return index >= 0 && static_cast<std::size_t>(index) < list_.size();
}

void RecordPaths::Hold(int32_t dirIndex) {
  // Climbs to the nearest directory already held (or past the root), then walks back down.
  climb_.clear();
  int32_t at = dirIndex;
  while (Listed(at)) {
    const TreeNode& dir = *list_[static_cast<std::size_t>(at)];
    const auto level = static_cast<std::size_t>(dir.Level);
    if (level < held_.size() && held_[level].Index == at) break;
    climb_.push_back(at);
    at = dir.ParentIndex;
  }
  if (Listed(at)) {
    held_.resize(static_cast<std::size_t>(list_[static_cast<std::size_t>(at)]->Level) + 1);
    dirPath_.resize(held_.back().End);
  } else {
    held_.clear();
    dirPath_.clear();
  }
  for (auto it = climb_.rbegin(); it != climb_.rend(); ++it) {
    const TreeNode& dir = *list_[static_cast<std::size_t>(*it)];
    if (!Listed(dir.ParentIndex)) {
      Put(dirPath_, from_ == From::Root ? Spelled(dir) : std::string_view(), true);
      held_.clear();
    } else {
      Put(dirPath_, Spelled(dir), false);
    }
    // Levels that do not follow on from the held ones only cost a rebuild on the next call.
    if (static_cast<std::size_t>(dir.Level) == held_.size())
      held_.push_back({*it, dirPath_.size()});
  }
}

const std::string& RecordPaths::Of(const TreeNode& record) {
  if (!Listed(record.ParentIndex)) {
    Put(path_, from_ == From::Root ? Spelled(record) : std::string_view(record.Name), true);
    return path_;
  }
  Hold(record.ParentIndex);
  path_.assign(dirPath_);
  Put(path_, Spelled(record), false);
  return path_;
}

const std::string& RecordPaths::Child(std::size_t dirIndex, std::string_view name) {
  Hold(static_cast<int32_t>(dirIndex));
  path_.assign(dirPath_);
  Put(path_, name, false);
  return path_;
}

std::string IoPath(const TreeNodeList& list, const TreeNode& node) {
  return RecordPaths(list, RecordPaths::Spelling::Disk, RecordPaths::From::Root).Of(node);
}

RelativeOrder::RelativeOrder(const TreeNodeList& news, const TreeNodeList& olds)
    : news_(news),
      olds_(olds),
      pairedAt_(1, {0, 0}),  // the roots stand for each other
      newNames_(news, RecordPaths::Spelling::Lower, RecordPaths::From::Relative),
      oldNames_(olds, RecordPaths::Spelling::Lower, RecordPaths::From::Relative) {}

int RelativeOrder::Compare(std::size_t i, std::size_t j) {
  const TreeNode& n = *news_[i];
  const TreeNode& o = *olds_[j];
  const int32_t level = n.Level - 1;
  if (level >= 0 && static_cast<std::size_t>(level) < pairedAt_.size() &&
      pairedAt_[static_cast<std::size_t>(level)] == std::make_pair(n.ParentIndex, o.ParentIndex)) {
    return n.Name.view().compare(o.Name.view());
  }
  const std::string& newName = newNames_.Of(n);  // the two builders keep their own texts
  return std::string_view(newName).compare(oldNames_.Of(o));
}

void RelativeOrder::Paired(std::size_t i, std::size_t j) {
  const auto level = static_cast<std::size_t>(news_[i]->Level);
  if (pairedAt_.size() <= level) pairedAt_.resize(level + 1, {-1, -1});
  pairedAt_[level] = {static_cast<int32_t>(i), static_cast<int32_t>(j)};
}

}  // namespace kav
