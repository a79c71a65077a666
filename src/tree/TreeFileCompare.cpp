#include "tree/TreeFileCompare.h"

#include <cerrno>
#include <memory>
#include <string>

#include "core/IoFailures.h"
#include "platform/BlockPairReader.h"
#include "tree/SizeLimit.h"
#include "tree/TreeProgress.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

constexpr int64_t FileProgressFloor = 4000000;

// Opens one side of a pair; nullptr, with the cause named in the run's failures, when it
// cannot be read.
std::unique_ptr<InputFile> OpenComparable(RunContext& ctx, const TreeNode& node) {
  OpenedFile opened = ctx.Fs.Open(IoPath(node));
  if (opened.File != nullptr && IsTooLarge(opened.File->Size())) {
    opened.File.reset();
    opened.Error = EFBIG;
  }
  if (opened.File == nullptr) RecordIoFailure(ctx.State, IoPath(node), opened.Error);
  return std::move(opened.File);
}

// Names the sides of a pair that the shortcut found unfit for comparing.
void RecordUnfitSides(RunState& state, const TreeNode& n, const TreeNode& o) {
  for (const TreeNode* side : {&n, &o}) {
    if (IsTooLarge(side->Size)) {
      RecordIoFailure(state, IoPath(*side), EFBIG);
    } else if (side->NotRegular != 0 && side->StatError == 0) {  // else named by the scan
      RecordIoFailure(state, IoPath(*side), NotRegularFile);
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

int CompareTreeFiles(RunContext& ctx, const TreeNode& n, const TreeNode& o) {
  std::unique_ptr<InputFile> newFile = OpenComparable(ctx, n);
  if (newFile == nullptr) return CompareFailed;
  std::unique_ptr<InputFile> oldFile = OpenComparable(ctx, o);
  if (oldFile == nullptr) return CompareFailed;

  BlockPairReader reader(*newFile, n.Size, *oldFile, o.Size);
  FileProgress progress(ctx.Ui, oldFile->Size());
  for (int64_t block = 1;; ++block) {
    if (ctx.State.HaltRequested) return CompareFailed;
    if (block % 100 == 0) TreeHeartbeat(ctx.Ui);
    const BlockPairReader::Step step = reader.Next();
    if (step.NewCount < 0 || step.OldCount < 0) {
      if (step.NewCount < 0)
        RecordIoFailure(ctx.State, IoPath(n), static_cast<int>(-step.NewCount));
      if (step.OldCount < 0)
        RecordIoFailure(ctx.State, IoPath(o), static_cast<int>(-step.OldCount));
      return CompareFailed;
    }
    if (step.LengthChanged || step.NewCount != step.OldCount) return CompareDifferent;
    if (step.NewCount == 0) return CompareEqual;
    if (!step.Same) return CompareDifferent;
    progress.Add(step.OldCount);
  }
}

int DecideFilePair(RunContext& ctx, const TreeNode& n, const TreeNode& o) {
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
      result = CompareTreeFiles(ctx, n, o);
      break;
  }
  if (result == CompareFailed) ++ctx.State.Totals.FailedFiles;
  return result;
}

}  // namespace kav
