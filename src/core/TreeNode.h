#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace kav {

enum NodeKind : int32_t {
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

// One directory, file or report row of the tree engine.
struct TreeNode {
  int32_t Kind = NodeHdr;
  uint32_t Color = ColorBlack;
  std::string ChangeCode;  // "   ", "* -", "I -", "D -", "ID-", "DD-"
  uint8_t HasChanges = 0;
  int32_t FileCount = 0;
  int32_t OldFileCount = 0;
  int64_t Size = 0;  // file: bytes; directory: the whole sub-tree
  int64_t OldSize = 0;
  int32_t ParentIndex = -1;
  int32_t Level = 0;
  uint32_t Date = 0;  // packed DOS date/time; 0 for directories
  uint32_t OldDate = 0;
  int32_t ViewNode = -1;  // index into RunState::CombinedTree, -1 for none
  std::string Path;       // lower-cased full name (display and ordering only)
  std::string Text;       // relative name after the scan, later the report line
  std::string DiskPath;   // the name as it is on disk: the only text used for I/O
};

// Owns every TreeNode of a run. The four record lists only point into it, so a record that
// moves from a node list to a line list (or stands in both) is released exactly once: when
// the pool is cleared by the next run's preparation. Pointers stay valid while it grows.
class TreeNodePool {
 public:
  TreeNode* Add() { return &nodes_.emplace_back(); }
  void Clear() { nodes_.clear(); }
  std::size_t Count() const { return nodes_.size(); }

 private:
  std::deque<TreeNode> nodes_;
};

using TreeNodeList = std::vector<TreeNode*>;

}  // namespace kav
