#include "tree/TreeFileCompare.h"

#include <memory>
#include <string>

#include "compare/BlockPairReader.h"
#include "tree/SizeLimit.h"
#include "tree/TreeProgress.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

constexpr int64_t FileProgressFloor = 4000000;

std::unique_ptr<InputFile> OpenComparable(const FileSystem& fs, const TreeNode& node) {
  std::unique_ptr<InputFile> file = fs.Open(IoPath(node));
  if (file != nullptr && IsTooLarge(file->Size())) file.reset();
  return file;
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
  if (n.NotRegular != 0 || o.NotRegular != 0) return FilePairShortcut::Failed;
  if (IsTooLarge(n.Size) || IsTooLarge(o.Size)) return FilePairShortcut::Failed;
  if (n.Size != o.Size) return FilePairShortcut::SizesDiffer;
  if (!state.OptVeqf && n.Date == o.Date) return FilePairShortcut::EqualStamps;
  return FilePairShortcut::NeedsReading;
}

int CompareTreeFiles(RunContext& ctx, const TreeNode& n, const TreeNode& o) {
  std::unique_ptr<InputFile> newFile = OpenComparable(ctx.Fs, n);
  if (newFile == nullptr) return CompareFailed;
  std::unique_ptr<InputFile> oldFile = OpenComparable(ctx.Fs, o);
  if (oldFile == nullptr) return CompareFailed;

  BlockPairReader reader(*newFile, n.Size, *oldFile, o.Size);
  FileProgress progress(ctx.Ui, oldFile->Size());
  for (int64_t block = 1;; ++block) {
    if (ctx.State.HaltRequested) return CompareFailed;
    if (block % 100 == 0) TreeHeartbeat(ctx.Ui);
    const BlockPairReader::Step step = reader.Next();
    if (step.NewCount < 0 || step.OldCount < 0) return CompareFailed;
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
