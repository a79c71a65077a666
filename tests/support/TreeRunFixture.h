#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/RunContext.h"
#include "platform/FileSystem.h"
#include "support/RecordingHost.h"
#include "support/TempTree.h"
#include "text/Format.h"

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
