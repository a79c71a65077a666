#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/RunContext.h"
#include "platform/PairReadAhead.h"
#include "tree/RecordPaths.h"

namespace kav {

// The file pairs a type 2 merge will read, opened and read ahead in merge order while the
// merge compares the pair before them. The merge's own path through the two lists is walked
// once beforehand (it depends on levels, kinds and names only), and only pairs whose bytes
// the file pair decision needs are listed, so nothing is read that the merge would not read.
// Worker threads get copies of the paths and sizes, never the records themselves.
class TreeReadAhead {
 public:
  // Lists the pairs of the coming merge of State.NewTreeNodes/OldTreeNodes and starts on the
  // first of them. Without any pair to read, no thread is started.
  explicit TreeReadAhead(RunContext& ctx);

  // The pair n/o as read ahead, when it is the next pair listed; nothing otherwise (the caller
  // then opens it itself).
  std::optional<PairReadAhead::Pair> Take(const TreeNode& n, const TreeNode& o);

  // The request that opens and reads the pair n/o, found by the paths given.
  // The threads and buffers that read ahead, if any were started.
  ReadHelp Help() { return ahead_ != nullptr ? ahead_->Help() : ReadHelp{}; }

  static PairReadAhead::Request RequestFor(std::string newPath, std::string oldPath,
                                           const TreeNode& n, const TreeNode& o);

 private:
  void TopUp();

  RecordPaths newPaths_;  // the pairs go in list order: each path costs about its own name
  RecordPaths oldPaths_;

  std::vector<std::pair<const TreeNode*, const TreeNode*>> pairs_;
  std::size_t next_ = 0;       // the next pair the merge will take
  std::size_t submitted_ = 0;  // pairs_[next_, submitted_) are being read ahead
  std::unique_ptr<PairReadAhead> ahead_;
};

}  // namespace kav
