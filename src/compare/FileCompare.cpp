#include "compare/FileCompare.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string>

#include "compare/DirListing.h"
#include "core/IoFailures.h"
#include "platform/BlockPairReader.h"
#include "text/Format.h"

namespace kav {
namespace {

const std::string& DiskNameAt(const StringList& names, const StringList& diskNames, std::size_t i) {
  return i < diskNames.size() ? diskNames[i] : names[i];
}

void ShowPosition(Host& ui, int64_t position) {
  ui.SetProgress(static_cast<int>(position));
  ui.SetText(Control::MnTitlePosPCent, std::to_string(position) + "%");
}

// A side that cannot be compared: return code 2, the run's flag, and the cause named.
void FailSide(RunContext& ctx, CompareRecords& records, const InputSide& side, int code) {
  records.Status.ReturnCode = ErrorReturnCode;
  records.Totals.OpenError = true;
  RecordIoFailure(ctx.State, side.Path, code);
}

// A FIFO, socket or device is described, never opened; false when even that fails, or when
// the file has become a directory since it was listed (its size says nothing then).
bool DescribeNotRegular(RunContext& ctx, InputSide& side) {
  DirEntry entry;
  if (!ctx.Fs.Stat(side.Path, entry) || entry.Kind == EntryKind::Directory) return false;
  side.NotRegular = true;
  side.Size = 0;
  side.Stamp = entry.Stamp;
  return true;
}

// True when the pair can be judged only by reading both files: equal sizes, and Veqf on or
// the stamps differ.
bool NeedsBytes(const RunState& state, const CompareRecords& records) {
  return records.New.Size == records.Old.Size &&
         (state.Options.OptVeqf || records.New.Stamp != records.Old.Stamp);
}

// Takes one opened side; false (with the return code and run flag set) when the pair cannot
// go on.
bool AcceptSide(RunContext& ctx, CompareRecords& records, InputSide& side,
                PairReadAhead::Side& opened, bool isNew) {
  FileStatus& status = records.Status;
  if (opened.Error == NotRegularFile && DescribeNotRegular(ctx, side)) return true;
  if (!opened.Opened()) {
    FailSide(ctx, records, side, opened.Error);
    return false;
  }
  side.Stream = std::move(opened.File);
  side.Source = std::move(opened.Source);
  side.Size = opened.Size;
  side.Stamp = opened.Stamp;
  if (side.Size >= TooLargeFileSize) {
    ctx.Ui.ShowMessage(
        isNew ? Format("Error - New Input File \"%s\" GT 2GB can not be processed.", {side.Path})
              : Format("Error - Old Input File \"%s\" GT 2GB can not be processed.", {side.Path}));
    status.ReturnCode = ErrorReturnCode;
    records.Totals.TooLarge = true;
    RecordIoFailure(ctx.State, side.Path, EFBIG);
    return false;
  }
  return true;
}

// Reads on where the read-ahead stopped, or from the start of the open file.
std::optional<BlockSource> SourceOf(InputSide& side) {
  if (side.Source) return std::move(side.Source);
  if (side.Stream == nullptr) return std::nullopt;
  return BlockSource(*side.Stream, side.Size);
}

// The block loop of an equal-sized pair that was not settled by its stamps.
void CompareBlocks(RunContext& ctx, CompareRecords& records) {
  FileStatus& status = records.Status;
  const int64_t fileSize = records.New.Size;
  const bool large = fileSize > LargeFileSize;
  if (large) ctx.Ui.SetText(Control::MnTitleProgBar, "File Progress");

  std::optional<BlockSource> newSource = SourceOf(records.New);
  std::optional<BlockSource> oldSource = SourceOf(records.Old);
  if (!newSource || !oldSource) {  // not open: cannot happen for a pair whose bytes are needed
    status.ReturnCode = ErrorReturnCode;
    return;
  }
  BlockPairReader reader(std::move(*newSource), std::move(*oldSource), records.Help);
  int64_t blocks = 0;
  int64_t bytesDone = 0;
  // The first pass always runs: even a file of size 0 is read once, since a file of size 0
  // may have content (/proc files).
  int64_t newCount = 1;
  int64_t oldCount = 1;
  while (newCount == oldCount && newCount != 0 && !status.Differs && !ctx.State.HaltRequested) {
    ctx.Ui.ProcessPendingEvents();
    if (++blocks % 100 == 0) ctx.Ui.ToggleBusyImages();
    BlockPairReader::Step step = reader.Next();
    newCount = step.NewCount;
    oldCount = step.OldCount;
    if (newCount < 0 || oldCount < 0) {
      status.ReturnCode = ErrorReturnCode;  // unreadable: neither equal nor different
      if (newCount < 0) RecordIoFailure(ctx.State, records.New.Path, static_cast<int>(-newCount));
      if (oldCount < 0) RecordIoFailure(ctx.State, records.Old.Path, static_cast<int>(-oldCount));
      return;
    }
    if (newCount < 1 && oldCount < 1 && !step.LengthChanged) continue;
    if (!step.Same || step.LengthChanged) {
      status.Differs = true;
      status.ReturnCode = DiffReturnCode;
      continue;
    }
    if (large) {
      ctx.Ui.SetText(Control::MnTitleProgBar, "File Progress");
      bytesDone += newCount;
      ShowPosition(ctx.Ui, static_cast<int64_t>(static_cast<double>(bytesDone) * 100.0 /
                                                static_cast<double>(fileSize)));
    }
  }
}

}  // namespace

PairReadAhead::Request PairRequest(const RunState& state, std::size_t i) {
  const NameLists& names = state.Names;
  const std::string& newName = DiskNameAt(names.PairedNewNames, names.PairedNewDiskNames, i);
  const std::string& oldName = DiskNameAt(names.PairedOldNames, names.PairedOldDiskNames, i);
  PairReadAhead::Request request;
  request.NewPath = JoinPath(state.NewDirName, newName);
  request.OldPath = JoinPath(state.OldDirName, oldName);
  request.ListedRegular = names.KindsListed &&
                          !std::binary_search(names.NewSpecialDiskNames.begin(),
                                              names.NewSpecialDiskNames.end(), newName) &&
                          !std::binary_search(names.OldSpecialDiskNames.begin(),
                                              names.OldSpecialDiskNames.end(), oldName);
  request.When = PairReadAhead::ReadWhen::BytesNeeded;
  request.Veqf = state.Options.OptVeqf;
  request.ReadLimit = TooLargeFileSize;
  return request;
}

void PrepareFilePair(RunContext& ctx, CompareRecords& records) {
  const auto i = static_cast<std::size_t>(records.CurrentPairIndex);
  PairReadAhead::Request request = PairRequest(ctx.State, i);
  request.When = PairReadAhead::ReadWhen::Never;  // read when compared, as without read-ahead
  PrepareFilePair(ctx, records, PairReadAhead::OpenPair(ctx.Fs, request));
}

void PrepareFilePair(RunContext& ctx, CompareRecords& records, PairReadAhead::Pair opened) {
  const RunState& state = ctx.State;
  const auto i = static_cast<std::size_t>(records.CurrentPairIndex);
  records.Status = FileStatus{};
  records.New = InputSide{};
  records.Old = InputSide{};
  records.FileResults.push_back(FileResult{});

  records.New.Path = JoinPath(
      state.NewDirName, DiskNameAt(state.Names.PairedNewNames, state.Names.PairedNewDiskNames, i));
  if (!AcceptSide(ctx, records, records.New, opened.New, true)) return;
  records.Old.Path = JoinPath(
      state.OldDirName, DiskNameAt(state.Names.PairedOldNames, state.Names.PairedOldDiskNames, i));
  if (!AcceptSide(ctx, records, records.Old, opened.Old, false)) return;

  if ((records.New.NotRegular || records.Old.NotRegular) && NeedsBytes(state, records)) {
    for (const InputSide* side : {&records.New, &records.Old}) {
      if (side->NotRegular) FailSide(ctx, records, *side, NotRegularFile);
    }
    return;
  }

  if (!state.Options.OptVeqf && records.New.Stamp == records.Old.Stamp &&
      records.New.Size == records.Old.Size) {
    records.FileResults.back().EqualByStamp = true;
    records.Status.EqualByStamp = true;
    records.Totals.EqualStampCount += 1;
  }
}

void CompareFilePair(RunContext& ctx, CompareRecords& records) {
  const RunState& state = ctx.State;
  const int64_t pairCount = std::max<int64_t>(state.PairCount, 1);
  ctx.Ui.SetText(Control::MnCurrStatus,
                 "Comparing Data Files " +
                     Format("Tot Files(%d) Current File (%d)",
                            {int64_t{state.PairCount}, int64_t{records.CurrentPairIndex}}));
  ctx.Ui.SetText(Control::MnTitleProgBar, "Dir.Progress");
  ShowPosition(ctx.Ui, int64_t{records.CurrentPairIndex} * 100 / pairCount);
  ctx.Ui.ToggleBusyImages();
  ctx.Ui.ProcessPendingEvents();

  FileStatus& status = records.Status;
  status.NewStamp = records.New.Stamp;
  status.NewSize = records.New.Size;
  status.OldStamp = records.Old.Stamp;
  status.OldSize = records.Old.Size;
  if (status.NewSize != status.OldSize) {
    status.Differs = true;
    status.ReturnCode = DiffReturnCode;
    return;
  }
  if (!state.Options.OptVeqf && status.EqualByStamp) return;
  CompareBlocks(ctx, records);
}

void RecordPairResult(CompareRecords& records) {
  const FileStatus& status = records.Status;
  RunTotals& totals = records.Totals;
  FileResult& result = records.FileResults[static_cast<std::size_t>(records.CurrentPairIndex)];
  result.Processed = true;
  result.Position = records.CurrentPairIndex;
  if (status.Differs) {
    result.Changed = true;
    totals.ChangedCount += 1;
  }
  totals.NewBytesProcessed += status.NewSize;
  totals.OldBytesProcessed += status.OldSize;
  result.NewSize = status.NewSize;
  result.OldSize = status.OldSize;
  result.NewStamp = status.NewStamp;
  result.OldStamp = status.OldStamp;
  totals.ProcessedCount += 1;
  totals.MaxReturnCode = std::max(totals.MaxReturnCode, status.ReturnCode);
}

void ClosePair(CompareRecords& records) {
  records.New.Source.reset();
  records.Old.Source.reset();
  records.New.Stream.reset();
  records.Old.Stream.reset();
}

}  // namespace kav
