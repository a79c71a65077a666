#include "tree/TreeReadAhead.h"

#include <utility>

#include "tree/SizeLimit.h"
#include "tree/TreeFileCompare.h"
#include "tree/TreeMerge.h"

namespace kav {
namespace {

// Walks the merge without acting on it and lists the file pairs whose bytes are needed.
class ReadingPairs {
 public:
  ReadingPairs(const RunState& state, std::vector<std::pair<const TreeNode*, const TreeNode*>>& out)
      : state_(state), out_(out) {}
  void BeginCycle(std::size_t) {}
  void Insert(std::size_t) {}
  void Delete(std::size_t) {}
  void Pair(std::size_t i, std::size_t j) {
    const TreeNode& n = *state_.NewTreeNodes[i];
    const TreeNode& o = *state_.OldTreeNodes[j];
    if (n.Kind == NodeFile &&
        DecideFilePairShortcut(state_, n, o) == FilePairShortcut::NeedsReading) {
      out_.emplace_back(&n, &o);
    }
  }

 private:
  const RunState& state_;
  std::vector<std::pair<const TreeNode*, const TreeNode*>>& out_;
};

}  // namespace

TreeReadAhead::TreeReadAhead(RunContext& ctx)
    : newPaths_(ctx.State.NewTreeNodes, RecordPaths::Spelling::Disk, RecordPaths::From::Root),
      oldPaths_(ctx.State.OldTreeNodes, RecordPaths::Spelling::Disk, RecordPaths::From::Root) {
  const RunState& state = ctx.State;
  if (state.NewTreeNodes.empty() || state.OldTreeNodes.empty()) return;
  try {
    const bool neverHalt = false;
    ReadingPairs collect(state, pairs_);
    MergeTreeLists(state.NewTreeNodes, state.OldTreeNodes, neverHalt, collect);
    if (pairs_.empty()) return;
    ahead_ = std::make_unique<PairReadAhead>(ctx.Fs);
    TopUp();
  } catch (...) {  // no memory or no thread: the merge opens each pair itself
    ahead_.reset();
    pairs_.clear();
    next_ = submitted_ = 0;
  }
}

PairReadAhead::Request TreeReadAhead::RequestFor(std::string newPath, std::string oldPath,
                                                 const TreeNode& n, const TreeNode& o) {
  PairReadAhead::Request request;
  request.NewPath = std::move(newPath);
  request.OldPath = std::move(oldPath);
  request.NewListed = n.Size;
  request.OldListed = o.Size;
  request.When = PairReadAhead::ReadWhen::Always;
  request.ReadLimit = TooLargeSize;
  request.ListedRegular = true;  // a pair is read only when neither side is NotRegular
  request.ListedFacts = true;    // the scan stated both moments ago
  request.NewStamp = n.Date;
  request.OldStamp = o.Date;
  return request;
}

void TreeReadAhead::TopUp() {
  for (; submitted_ < pairs_.size() && submitted_ < next_ + PairReadAhead::AheadPairs;
       ++submitted_) {
    const TreeNode& n = *pairs_[submitted_].first;
    const TreeNode& o = *pairs_[submitted_].second;
    ahead_->Submit(RequestFor(newPaths_.Of(n), oldPaths_.Of(o), n, o));
  }
}

std::optional<PairReadAhead::Pair> TreeReadAhead::Take(const TreeNode& n, const TreeNode& o) {
  if (ahead_ == nullptr || next_ == pairs_.size() || pairs_[next_].first != &n ||
      pairs_[next_].second != &o) {
    return std::nullopt;
  }
  ++next_;
  PairReadAhead::Pair pair = ahead_->Take();
  TopUp();
  return pair;
}

}  // namespace kav
