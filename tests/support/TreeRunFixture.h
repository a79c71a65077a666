#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/RunContext.h"
#include "platform/FileSystem.h"
#include "support/RecordingHost.h"
#include "support/TempTree.h"
#include "text/Format.h"
#include "tree/RecordPaths.h"

namespace kav::test {

// One run's worth of state for the tree engine tests: the run state, a recording window, the
// default locale and the real file system (or another one a test puts in).
struct TreeRun {
  RunState state;
  RecordingHost host;
  LocaleFacts locale;
  const FileSystem* fs = &RealFileSystem();

  RunContext Context() { return RunContext{state, host, *fs, locale}; }
};

// A directory of the temporary tree as the run state keeps it: ending with '/'.
inline std::string DirOf(const TempTree& tree, std::string_view relative = {}) {
  return relative.empty() ? tree.Root() + "/" : tree.Path(relative) + "/";
}

// Each row's name relative to its root (the root's: its whole path), lower-cased, as the merge
// orders them: a row's record stands in `news` or else in `olds`. Headers and fillers give their
// Text.
inline std::vector<std::string> NamesOf(const TreeNodeList& rows, const TreeNodeList& news,
                                        const TreeNodeList& olds = {}) {
  const std::unordered_set<const TreeNode*> old(olds.begin(), olds.end());
  RecordPaths newNames(news, RecordPaths::Spelling::Lower, RecordPaths::From::Relative);
  RecordPaths oldNames(olds, RecordPaths::Spelling::Lower, RecordPaths::From::Relative);
  std::vector<std::string> names;
  for (const TreeNode* row : rows) {
    if (row->Kind == NodeHdr || row->Kind == NodeFiller) {
      names.push_back(row->Text);
    } else {
      names.push_back((old.count(row) != 0 ? oldNames : newNames).Of(*row));
    }
  }
  return names;
}

// The same for the rows of a run's merged lists.
inline std::vector<std::string> NamesOf(const RunState& state, const TreeNodeList& rows) {
  return NamesOf(rows, state.NewTreeNodes, state.OldTreeNodes);
}

// The same for a scanned list.
inline std::vector<std::string> NamesOf(const TreeNodeList& list) {
  return NamesOf(list, list);
}

// The rows' texts: their report lines once the reports are built.
inline std::vector<std::string> TextsOf(const TreeNodeList& list) {
  std::vector<std::string> texts;
  for (const TreeNode* node : list) texts.push_back(node->Text);
  return texts;
}

inline std::vector<std::string> CodesOf(const TreeNodeList& list) {
  std::vector<std::string> codes;
  for (const TreeNode* node : list) codes.push_back(node->ChangeCode);
  return codes;
}

// A sparse file of `size` bytes (holes read as zeros), with the given modification time.
inline void SparseFile(const TempTree& tree, std::string_view relative, off_t size,
                       std::time_t mtime = TempTree::DefaultTime) {
  const std::string path = tree.Path(relative);
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (fd < 0 || ::ftruncate(fd, size) != 0) throw std::runtime_error("cannot size " + path);
  ::close(fd);
  tree.SetTime(relative, mtime);
}

}  // namespace kav::test
