#include "tree/TreeFileCompare.h"

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/IoFailures.h"
#include "platform/BlockPairReader.h"
#include "tree/RecordPaths.h"
#include "tree/SizeLimit.h"
#include "tree/TreeProgress.h"
#include "tree/TreeReadAhead.h"

namespace kav {
namespace {

constexpr int64_t FileProgressFloor = 4000000;

// True when one side of an opened pair can be read; otherwise its cause is named in the run's
// failures.
bool Readable(RunContext& ctx, const TreeNodeList& list, const TreeNode& node,
              const PairReadAhead::Side& side) {
  if (!side.Opened()) {
    RecordIoFailure(ctx.State, IoPath(list, node), side.Error);
    return false;
  }
  if (IsTooLarge(side.Size)) {
    RecordIoFailure(ctx.State, IoPath(list, node), EFBIG);
    return false;
  }
  return true;
}

// Reads on where the read-ahead stopped, or from the start.
BlockSource SourceOf(PairReadAhead::Side& side, int64_t listed) {
  if (side.Source) return std::move(*side.Source);
  return BlockSource(std::move(side.File), listed);
}

// Names the sides of a pair that the shortcut found unfit for comparing.
void RecordUnfitSides(RunState& state, const TreeNode& n, const TreeNode& o) {
  const std::pair<const TreeNodeList*, const TreeNode*> sides[] = {{&state.NewTreeNodes, &n},
                                                                   {&state.OldTreeNodes, &o}};
  for (const auto& [list, side] : sides) {
    if (IsTooLarge(side->Size)) {
      RecordIoFailure(state, IoPath(*list, *side), EFBIG);
    } else if (side->NotRegular != 0 && side->StatError == 0) {  // else named by the scan
      RecordIoFailure(state, IoPath(*list, *side), NotRegularFile);
    }
  }
}

// Shows how far a large file pair has been read; only a changed position reaches the window.
class FileProgress {
 public:
  FileProgress(Host& ui, int64_t oldSize) : ui_(ui), oldSize_(oldSize) {}

  void Add(int64_t count) {
    if (oldSize_ <= FileProgressFloor) return;
    done_ += count;
    const int64_t position = done_ * 100 / oldSize_;
    if (position == shown_) return;
    shown_ = position;
    ui_.SetProgress(static_cast<int>(position));
    ui_.SetText(Control::MnTitlePosPCent, std::to_string(position) + "%");
    ui_.SetText(Control::MnTitleProgBar, "File Progress");
  }

 private:
  Host& ui_;
  int64_t oldSize_;
  int64_t done_ = 0;
  int64_t shown_ = -1;
};

}  // namespace

FilePairShortcut DecideFilePairShortcut(const RunState& state, const TreeNode& n,
                                        const TreeNode& o) {
  if (IsTooLarge(n.Size) || IsTooLarge(o.Size)) return FilePairShortcut::Failed;
  if (n.StatError != 0 || o.StatError != 0) return FilePairShortcut::Failed;  // facts unknown
  if (n.Size != o.Size) return FilePairShortcut::SizesDiffer;
  if (!state.Options.OptVeqf && n.Date == o.Date) return FilePairShortcut::EqualStamps;
  // Only now are the bytes needed, and those of a FIFO or device are never read.
  if (n.NotRegular != 0 || o.NotRegular != 0) return FilePairShortcut::Failed;
  return FilePairShortcut::NeedsReading;
}

int CompareTreeFiles(RunContext& ctx, const TreeNode& n, const TreeNode& o, TreeReadAhead* ahead) {
  std::optional<PairReadAhead::Pair> taken;
  if (ahead != nullptr) taken = ahead->Take(n, o);
  const TreeNodeList& news = ctx.State.NewTreeNodes;
  const TreeNodeList& olds = ctx.State.OldTreeNodes;
  PairReadAhead::Pair pair =
      taken ? std::move(*taken)
            : PairReadAhead::OpenPair(
                  ctx.Fs, TreeReadAhead::RequestFor(IoPath(news, n), IoPath(olds, o), n, o));
  if (!Readable(ctx, news, n, pair.New) || !Readable(ctx, olds, o, pair.Old)) {
    return CompareFailed;
  }

  BlockPairReader reader(SourceOf(pair.New, n.Size), SourceOf(pair.Old, o.Size),
                         ahead != nullptr ? ahead->Help() : ReadHelp{});
  FileProgress progress(ctx.Ui, pair.Old.Size);
  for (int64_t block = 1;; ++block) {
    if (ctx.State.HaltRequested) return CompareFailed;
    if (block % 100 == 0) TreeHeartbeat(ctx.Ui);
    const BlockPairReader::Step step = reader.Next();
    if (step.NewCount < 0 || step.OldCount < 0) {
      if (step.NewCount < 0)
        RecordIoFailure(ctx.State, IoPath(news, n), static_cast<int>(-step.NewCount));
      if (step.OldCount < 0)
        RecordIoFailure(ctx.State, IoPath(olds, o), static_cast<int>(-step.OldCount));
      return CompareFailed;
    }
    if (step.LengthChanged || step.NewCount != step.OldCount) return CompareDifferent;
    if (step.NewCount == 0) return CompareEqual;
    if (!step.Same) return CompareDifferent;
    progress.Add(step.OldCount);
  }
}

int DecideFilePair(RunContext& ctx, const TreeNode& n, const TreeNode& o, TreeReadAhead* ahead) {
  int result = CompareEqual;
  switch (DecideFilePairShortcut(ctx.State, n, o)) {
    case FilePairShortcut::Failed:
      RecordUnfitSides(ctx.State, n, o);
      result = CompareFailed;
      break;
    case FilePairShortcut::SizesDiffer:
      result = CompareDifferent;
      break;
    case FilePairShortcut::EqualStamps:
      result = CompareEqual;
      break;
    case FilePairShortcut::NeedsReading:
      result = CompareTreeFiles(ctx, n, o, ahead);
      break;
  }
  if (result == CompareFailed) ++ctx.State.Totals.FailedFiles;
  return result;
}

}  // namespace kav
