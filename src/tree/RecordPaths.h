#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/TreeNode.h"

namespace kav {

// Full or relative names of a scanned list's records, built from each record's own name and
// its parent's index. It holds the path of the directory it built last, with where each of its
// ancestors ends, so records asked for in list order (a directory's entries follow it) cost the
// length of their own names, not of their whole paths; any order gives the right names.
class RecordPaths {
 public:
  enum class Spelling {
    Lower,  // the lower-cased names (display and ordering)
    Disk,   // the names as they are on disk (I/O)
    Shown,  // the lower-cased names with control characters as '?' (status lines)
  };
  enum class From {
    Root,      // full names: the root's path, then the names below it
    Relative,  // names below the root, each after a '/' ("/sub/a.bin"); the root keeps its own
  };

  // `list` is the scanned list the records' ParentIndex values point into; it may grow while
  // this is in use.
  RecordPaths(const TreeNodeList& list, Spelling spelling, From from)
      : list_(list), spelling_(spelling), from_(from) {}

  // The name of `record`, a record of the list. Valid until the next call.
  const std::string& Of(const TreeNode& record);
  // The name an entry called `name` of the directory at `dirIndex` takes.
  const std::string& Child(std::size_t dirIndex, std::string_view name);

 private:
  struct Held {
    int32_t Index;
    std::size_t End;  // where the directory's path ends in dirPath_
  };

  std::string_view Spelled(const TreeNode& record) const;
  // Appends `name` as a child's to `path`, or makes it `path` when `whole`, in the spelling.
  void Put(std::string& path, std::string_view name, bool whole) const;
  // A record without a listed parent stands at the top: its name is whole.
  bool Listed(int32_t index) const;
  // Makes dirPath_ the path of the directory at `dirIndex`.
  void Hold(int32_t dirIndex);

  const TreeNodeList& list_;
  Spelling spelling_;
  From from_;
  std::vector<Held> held_;  // the directories of dirPath_, root first, by Level
  std::vector<int32_t> climb_;
  std::string dirPath_;
  std::string path_;
};

// The path a record's file or directory is opened or listed by: its on-disk spelling. For a
// single record; RecordPaths serves a walk over many.
std::string IoPath(const TreeNodeList& list, const TreeNode& node);

// The comparison of two records' names relative to their roots, byte by byte, for a merge of
// two scanned lists. Records whose directories were paired (their relative names are equal)
// compare by their own names alone; others have their relative names built.
class RelativeOrder {
 public:
  RelativeOrder(const TreeNodeList& news, const TreeNodeList& olds);
  // < 0, 0 or > 0 as the relative name of news[i] sorts before, equal to or after olds[j]'s.
  // Both records are of one level.
  int Compare(std::size_t i, std::size_t j);
  // news[i] and olds[j], directories, were paired.
  void Paired(std::size_t i, std::size_t j);

 private:
  const TreeNodeList& news_;
  const TreeNodeList& olds_;
  std::vector<std::pair<int32_t, int32_t>> pairedAt_;  // the last directory pair of each level
  RecordPaths newNames_;
  RecordPaths oldNames_;
};

}  // namespace kav
