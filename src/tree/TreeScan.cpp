#include "tree/TreeScan.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "core/IoFailures.h"
#include "platform/LongPath.h"
#include "text/Format.h"
#include "tree/RecordPaths.h"
#include "tree/TreeProgress.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

// A child's place in byte order of its lower-cased name (its full path shares its directory's
// path and a '/' with its siblings'). The name's first 16 bytes are held as two big-endian
// numbers, which settles most comparisons without touching the record (a large directory's
// sort is otherwise dominated by cache misses). Names cannot hold a 0 byte, so the zero
// padding of a short name sorts it before any longer name it begins.
struct ChildKey {
  uint64_t head[2] = {0, 0};
  std::string_view name;
  TreeNode* node = nullptr;

  explicit ChildKey(TreeNode* child) : name(child->Name), node(child) {
    unsigned char bytes[16] = {};
    std::memcpy(bytes, name.data(), std::min(name.size(), sizeof bytes));
    head[0] = BigEndian(bytes);
    head[1] = BigEndian(bytes + 8);
  }

  static uint64_t BigEndian(const unsigned char* bytes) {
    uint64_t value = 0;
    for (int k = 0; k < 8; ++k) value = (value << 8) | bytes[k];  // compiled to one byte swap
    return value;
  }

  friend bool operator<(const ChildKey& a, const ChildKey& b) {
    if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
    if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
    const int order = a.name.compare(b.name);
    if (order != 0) return order < 0;
    return DiskSpelling(*a.node) < DiskSpelling(*b.node);  // names equal in lower case
  }

  static std::string_view DiskSpelling(const TreeNode& node) {
    return node.DiskName.empty() ? node.Name : node.DiskName;
  }
};

void SortRange(TreeNodeList& list, std::size_t from, std::size_t to) {
  if (to <= from + 1) return;
  std::vector<ChildKey> keys;
  keys.reserve(to - from);
  for (std::size_t k = from; k < to; ++k) keys.emplace_back(list[k]);
  std::sort(keys.begin(), keys.end());
  for (std::size_t k = from; k < to; ++k) list[k] = keys[k - from].node;
}

bool HasUpperCase(std::string_view name) {
  return std::any_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// The depth-first walk. Instead of inserting each directory's entries into the middle of the
// list, a stack holds the directories found but not yet enumerated (the top is the next one),
// so the list only ever grows at its end and the walk stays linear in the number of entries.
class TreeWalk {
 public:
  TreeWalk(RunContext& ctx, TreeNodeList& list)
      : ctx_(ctx),
        state_(ctx.State),
        totals_(ctx.State.Totals),
        list_(list),
        diskPaths_(list, RecordPaths::Spelling::Disk, RecordPaths::From::Root),
        shownNames_(list, RecordPaths::Spelling::Shown, RecordPaths::From::Relative) {}

  void Run(TreeNode* root) {
    pending_.push_back(root);
    while (!pending_.empty() && !state_.HaltRequested) {
      TreeNode* next = pending_.back();
      pending_.pop_back();
      const bool enter = IsEnterable(next);
      list_.push_back(next);
      if (enter) ScanDirectory(list_.size() - 1);
    }
    // After a halt the directories not yet enumerated stay listed, in walk order.
    for (auto it = pending_.rbegin(); it != pending_.rend(); ++it) list_.push_back(*it);
    AddSubTreeSizes();
  }

 private:
  bool IsEnterable(const TreeNode* dir) const { return links_.count(dir) == 0; }

  // Lists the directory at `dirIndex`, makes a record per entry and places them: its files
  // right after it, its sub-directories on the stack in reverse order (the first one next).
  void ScanDirectory(std::size_t dirIndex) {
    TreeNode* dir = list_[dirIndex];
    entries_.clear();
    const std::string& dirPath = diskPaths_.Of(*dir);
    const int error = ctx_.Fs.ListDirectory(dirPath, entries_, HaltPoll(ctx_));
    if (error != 0) {
      if (state_.HaltRequested) return;
      ++totals_.UnreadableDirs;
      dir->Unlisted = 1;
      RecordIoFailure(state_, dirPath, error);
      return;
    }
    children_.assign(1, dir);
    subDirs_.clear();
    lastWasDir_ = true;
    // The system's own "." and ".." entries each took a turn at the progress point.
    for (int dot = 0; dot < 2 && !state_.HaltRequested; ++dot) AfterEntry();
    for (const DirEntry& entry : entries_) {
      if (state_.HaltRequested) break;
      if (entry.Kind == EntryKind::Directory) {
        AddDirectory(dirIndex, entry);
      } else {
        AddFile(dirIndex, entry);
      }
      AfterEntry();
    }
    const std::size_t fileEnd = children_.size();
    children_.insert(children_.end(), subDirs_.begin(), subDirs_.end());
    SortChildren(children_, 0, fileEnd, children_.size(), state_.HaltRequested);
    list_.insert(list_.end(), children_.begin() + 1,
                 children_.begin() + static_cast<std::ptrdiff_t>(fileEnd));
    for (std::size_t k = children_.size(); k > fileEnd; --k) pending_.push_back(children_[k - 1]);
  }

  TreeNode* MakeRecord(std::size_t dirIndex, const DirEntry& entry, uint8_t kind) {
    const TreeNode& dir = *list_[dirIndex];
    TreeNode* node = NewTreeRecord(state_, kind);
    if (HasUpperCase(entry.Name)) {
      node->Name = ToLower(entry.Name);
      node->DiskName = entry.Name;
    } else {
      node->Name = entry.Name;
    }
    node->ParentIndex = static_cast<int32_t>(dirIndex);
    node->Level = dir.Level + 1;
    return node;
  }

  void AddDirectory(std::size_t dirIndex, const DirEntry& entry) {
    TreeNode* node = MakeRecord(dirIndex, entry, NodeDir);
    if (entry.IsLink) links_.insert(node);
    ++totals_.TotalDirs;
    subDirs_.push_back(node);
    lastWasDir_ = true;
    ctx_.Ui.SetText(Control::MnCurrStatus,
                    Format("Iterating thru Dir Num =%d (%s)",
                           {int64_t{totals_.TotalDirs}, shownNames_.Child(dirIndex, node->Name)}));
  }

  void AddFile(std::size_t dirIndex, const DirEntry& entry) {
    TreeNode& dir = *list_[dirIndex];
    ++totals_.TotalFiles;
    dir.Size += entry.Size;  // the ancestors get it once the walk ends
    if (!state_.Options.OptLdeo) {
      ++dir.FileCount;
      TreeNode* node = MakeRecord(dirIndex, entry, NodeFile);
      node->Size = entry.Size;
      node->Date = entry.Stamp;
      node->NotRegular = entry.Kind == EntryKind::Other ? 1 : 0;
      if (entry.Error != 0) {
        node->StatError = static_cast<uint8_t>(std::min(entry.Error, 255));
        RecordIoFailure(state_, diskPaths_.Child(dirIndex, entry.Name), entry.Error);
      }
      children_.push_back(node);
      lastWasDir_ = false;
    }
    ++totals_.EntryCount;
  }

  // Lets the window breathe every 50th entry after a directory, every 150th after a file.
  void AfterEntry() {
    const int32_t rhythm = lastWasDir_ ? 50 : 150;
    if (totals_.EntryCount % rhythm == 0) TreeHeartbeat(ctx_.Ui);
  }

  // Every record follows its directory, so one backward pass hands each directory's total
  // to its parent after all of its own sub-directories have been added to it.
  void AddSubTreeSizes() {
    for (std::size_t k = list_.size(); k-- > 0;) {
      const TreeNode& node = *list_[k];
      if (node.Kind == NodeDir && node.ParentIndex >= 0) {
        list_[static_cast<std::size_t>(node.ParentIndex)]->Size += node.Size;
      }
    }
  }

  RunContext& ctx_;
  RunState& state_;
  TreeTotals& totals_;
  TreeNodeList& list_;
  RecordPaths diskPaths_;   // the paths directories are listed by
  RecordPaths shownNames_;  // the names the status line shows
  TreeNodeList pending_;
  std::unordered_set<const TreeNode*> links_;  // linked directories: listed, never entered
  std::vector<DirEntry> entries_;
  TreeNodeList children_;
  TreeNodeList subDirs_;
  bool lastWasDir_ = true;
};

}  // namespace

void SortChildren(TreeNodeList& list, std::size_t d, std::size_t f, std::size_t e,
                  const bool& haltRequested) {
  if (haltRequested) return;
  SortRange(list, d + 1, f);
  if (haltRequested) return;
  SortRange(list, f, e);
}

void ScanTree(RunContext& ctx, TreeNodeList& list, const std::string& root) {
  TreeTotals& totals = ctx.State.Totals;
  TreeNode* top = NewTreeRecord(ctx.State, NodeDir);
  top->Name = ToLower(root);
  if (top->Name != root) top->DiskName = root;
  totals.TotalDirs = 1;
  totals.TotalFiles = 0;
  totals.EntryCount = 0;
  // Directories are listed depth first, each below the one before it as often as not: the
  // walk keeps the deepest one opened, so a deep tree is not resolved from the root again
  // for each of its directories.
  const LongPathWalk keepDeepest;
  TreeWalk(ctx, list).Run(top);
}

}  // namespace kav
