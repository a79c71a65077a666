#include "compare/CompareSection.h"
#include "compare/DirListing.h"
#include "compare/FinalMessage.h"
#include "compare/ListingAhead.h"
#include "compare/PairNames.h"
#include "compare/ResolveNames.h"
#include "core/IoFailures.h"
#include "run/Dispatcher.h"

namespace kav {
namespace {

constexpr const char* TryTypeTwo =
    "Compare Type 1 does not extend beyond a single subdirectory level. Try Compare Type 2.";

// Shows the selection window until it stops asking to be shown again.
void ShowSelectionWindow(RunContext& ctx, SelectionWindow window) {
  do {
    ctx.State.ReshowSelection = false;
    ctx.Ui.OpenSelectionWindow(window);
  } while (ctx.State.ReshowSelection);
}

// Takes the outcome of listing one side of a type 1 run; false when it could not be listed
// whole (the cause is named in the run's failures: the run has no answer then) or a halt
// stopped it (the report then holds the premature-stop verdict, as after a halt in the pair
// loop).
bool SideListed(RunContext& ctx, const std::string& dir, int error) {
  if (error == 0) return true;
  if (ctx.State.HaltRequested) {
    ctx.State.ReportLines.push_back(SelectFinalMessage(RunTotals{}, true));
  } else {
    RecordIoFailure(ctx.State, dir, error);
  }
  return false;
}

// False, with the causes named, when a side of a type 3 or 4 run could not be listed: its
// selection window would offer a part of the names as if they were all.
bool BothListed(RunContext& ctx, const DiskNameIndex& newFiles, const DiskNameIndex& oldFiles) {
  if (newFiles.ListError() != 0) {
    RecordIoFailure(ctx.State, ctx.State.NewDirName, newFiles.ListError());
  }
  if (oldFiles.ListError() != 0) {
    RecordIoFailure(ctx.State, ctx.State.OldDirName, oldFiles.ListError());
  }
  return newFiles.ListError() == 0 && oldFiles.ListError() == 0;
}

}  // namespace

void PrecheckLikeNames(RunContext& ctx) {
  RunState& state = ctx.State;
  NameLists& names = state.Names;
  // The Old side is listed meanwhile; it is dropped unread should the New side end the run.
  ListingAhead oldListing(ctx.Fs, state.OldDirName);
  const int newError =
      ListDirectoryFiles(ctx.Fs, state.NewDirName, names.NewDirNames, names.NewDirDiskNames,
                         HaltPoll(ctx), &names.NewSpecialDiskNames);
  if (!SideListed(ctx, state.NewDirName, newError)) return;
  if (state.Names.NewDirNames.empty()) {
    ctx.Ui.ShowMessage("New Input Directory (" + state.Panel.MnCbNewDirNm +
                       ") has no individual files.\r" + TryTypeTwo);
    ctx.Ui.Focus(Control::MnCbNewDirNm);
    return;
  }
  const int oldError = oldListing.Finish(HaltPoll(ctx), names.OldDirNames, names.OldDirDiskNames,
                                         names.OldSpecialDiskNames);
  if (!SideListed(ctx, state.OldDirName, oldError)) return;
  state.Names.KindsListed = true;
  if (state.Names.OldDirNames.empty()) {
    ctx.Ui.ShowMessage("Old Input Directory (" + state.Panel.MnCbOldDirNm +
                       ") has no individual files. \r" + TryTypeTwo);
    ctx.Ui.Focus(Control::MnCbOldDirNm);
    return;
  }
  PairLikeNames(state);
  if (state.Names.PairedNewNames.empty()) {
    ctx.Ui.ShowMessage("No paired filenames are found.\rSelect another directory pair.");
    return;
  }
  const auto pairs = static_cast<int32_t>(state.Names.PairedNewNames.size());
  state.InsertedCount = static_cast<int32_t>(state.Names.NewDirNames.size()) - pairs;
  state.DeletedCount = static_cast<int32_t>(state.Names.OldDirNames.size()) - pairs;

  state.SingleLevelRun = true;
  RemovePairedNames(state);
  RunCompareSection(ctx);
  state.SingleLevelRun = false;
}

void PrecheckSelectLike(RunContext& ctx) {
  const DiskNameIndex newFiles(ctx.Fs, ctx.State.NewDirName);
  const DiskNameIndex oldFiles(ctx.Fs, ctx.State.OldDirName);
  if (!BothListed(ctx, newFiles, oldFiles)) return;
  if (!newFiles.SharesNameWith(oldFiles)) {
    ctx.Ui.ShowMessage(
        "New and Old Input File Directories have no common named files. \r"
        " Respecify Directories or use a different filter mask.");
    ctx.Ui.Focus(Control::MnCbNewDirNm);
    return;
  }
  ShowSelectionWindow(ctx, SelectionWindow::LikeNames);
}

void PrecheckSelectUnlike(RunContext& ctx) {
  const DiskNameIndex newFiles(ctx.Fs, ctx.State.NewDirName);
  const DiskNameIndex oldFiles(ctx.Fs, ctx.State.OldDirName);
  if (!BothListed(ctx, newFiles, oldFiles)) return;
  if (newFiles.Empty()) {
    ctx.Ui.ShowMessage(
        "New Input File Directory has no files to compare. \r"
        " Respecify the New Directory Name or use a different filter mask.");
  }
  if (oldFiles.Empty()) {
    ctx.Ui.ShowMessage(
        "Old Input File Directory has no files to compare. \r"
        " Respecify the Old Directory Name or use a different filter mask.");
  }
  if (newFiles.Empty() || oldFiles.Empty()) return;
  ShowSelectionWindow(ctx, SelectionWindow::UnlikeNames);
}

}  // namespace kav
