#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/NodeText.h"

namespace kav {

enum NodeKind : uint8_t {
  NodeHdr = 0,      // text row without tree meaning
  NodeDir = 1,      // directory
  NodeFile = 2,     // file
  NodeFiller = 3,   // blank alignment row of the side-by-side report
  NodeDropped = 4,  // filtered out; stays only in its node list
};

// Colour values: red in the low byte, blue in the high byte.
inline constexpr uint32_t ColorBlack = 0x000000;
inline constexpr uint32_t ColorRed = 0x0000FF;
inline constexpr uint32_t ColorBlue = 0xFF0000;
inline constexpr uint32_t ColorGreen = 0x008000;
inline constexpr uint32_t ColorMaroon = 0x000080;

// One directory, file or report row of the tree engine. A tree of a million entries holds a
// million of these, so the fields are packed (the small ones together) and the texts are
// NodeText, one pointer each.
struct TreeNode {
  uint32_t Color = ColorBlack;
  uint8_t Kind = NodeHdr;    // a NodeKind
  InlineText<3> ChangeCode;  // "   ", "* -", "I -", "D -", "ID-", "DD-"
  uint8_t HasChanges : 1 = 0;
  // A file entry that is not a regular file (FIFO, socket, device, dangling link): listed
  // with size 0, never opened; a pair that needs its bytes is a failed comparison.
  uint8_t NotRegular : 1 = 0;
  // A directory whose entries are unknown: it could not be listed, or (once paired) its
  // partner could not be. Nothing below it is called inserted or deleted.
  uint8_t Unlisted : 1 = 0;
  // The errno value when the entry's facts could not be read (size and stamp unknown): it is
  // named when scanned, and a pair with it is a failed comparison whatever its sizes say.
  uint8_t StatError = 0;
  int32_t FileCount = 0;
  int32_t OldFileCount = 0;
  int32_t ParentIndex = -1;
  int32_t Level = 0;
  uint32_t Date = 0;  // packed DOS date/time; 0 for directories
  uint32_t OldDate = 0;
  int32_t ViewNode = -1;  // index into RunState::CombinedTree, -1 for none
  int64_t Size = 0;       // file: bytes; directory: the whole sub-tree
  int64_t OldSize = 0;
  // The lower-cased last name component (display and ordering only); a root holds its whole
  // path. Records keep their own names and their parent's index rather than full paths, so a
  // tree's names cost memory in proportion to its entries, not to its entries times its depth
  // (tree/RecordPaths.h builds full and relative names from them).
  NodeText Name;
  // The name as it is on disk, the only spelling used for I/O; empty when it equals Name.
  NodeText DiskName;
  NodeText Text;  // the report line, once the reports are built
};

// Owns every TreeNode of a run. The four record lists only point into it, so a record that
// moves from a node list to a line list (or stands in both) is released exactly once: when
// the pool is cleared by the next run's preparation. Pointers stay valid while it grows.
// Records come in chunks that grow up to 1024 records, so a tree of a million entries costs
// a thousand allocations instead of one per record.
class TreeNodePool {
 public:
  TreeNodePool() = default;
  // No copies: the lists that point into a pool would go on pointing into the original. A
  // move keeps every record where it is, so those pointers stay valid.
  TreeNodePool(const TreeNodePool&) = delete;
  TreeNodePool& operator=(const TreeNodePool&) = delete;
  TreeNodePool(TreeNodePool&&) noexcept = default;
  TreeNodePool& operator=(TreeNodePool&&) noexcept = default;

  TreeNode* Add() {
    if (chunks_.empty() || chunks_.back().Used == chunks_.back().Size) Grow();
    Chunk& chunk = chunks_.back();
    ++count_;
    return &chunk.Nodes[chunk.Used++];
  }
  void Clear() {
    chunks_.clear();
    count_ = 0;
  }
  std::size_t Count() const { return count_; }

 private:
  struct Chunk {
    std::unique_ptr<TreeNode[]> Nodes;
    std::size_t Size = 0;
    std::size_t Used = 0;
  };

  void Grow() {
    const std::size_t size =
        chunks_.empty() ? 16 : std::min<std::size_t>(chunks_.back().Size * 2, 1024);
    chunks_.push_back(Chunk{std::make_unique<TreeNode[]>(size), size, 0});
  }

  std::vector<Chunk> chunks_;
  std::size_t count_ = 0;
};

using TreeNodeList = std::vector<TreeNode*>;

}  // namespace kav
