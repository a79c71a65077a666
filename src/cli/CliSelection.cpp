#include "cli/CliSelection.h"

#include <algorithm>

#include "compare/CompareSection.h"
#include "compare/ResolveNames.h"
#include "text/Format.h"

namespace kav::cli {
namespace {

constexpr std::string_view NoCommonFiles =
    "New and Old Input File Directories have no common named files. \r"
    " Respecify Directories or use a different filter mask.";
constexpr std::string_view NoLikeSelection =
    "No paired filenames have been selected.\r"
    "Highlight one or more Like Named Paired File and repeat.";
constexpr std::string_view NoNewFiles =
    "New Input File Directory has no files to compare. \r"
    " Respecify the New Directory Name or use a different filter mask.";
constexpr std::string_view NoOldFiles =
    "Old Input File Directory has no files to compare. \r"
    " Respecify the Old Directory Name or use a different filter mask.";
constexpr std::string_view NoUnlikeSelection =
    "No paired filenames have been selected.\r"
    "Highlight one or more Like Named Paired Files,\r"
    " and \"Select New-Old Pair\" button to transfer components to \"Selected List\".";

bool Contains(const std::vector<SelectedPair>& pairs, std::string_view name) {
  return std::any_of(pairs.begin(), pairs.end(),
                     [&](const SelectedPair& pair) { return EqualsNoCase(pair.New, name); });
}

}  // namespace

void CliSelection::Open(SelectionWindow window) {
  if (window == SelectionWindow::LikeNames) {
    RunLikeNames();
  } else {
    RunUnlikeNames();
  }
}

void CliSelection::Refuse(const std::string& message) {
  refused_ = true;
  errors_ << "kavdrift-cli: " << message << '\n';
}

void CliSelection::RunLikeNames() {
  const DiskNameIndex newFiles(ctx_.Fs, ctx_.State.NewDirName);
  const DiskNameIndex oldFiles(ctx_.Fs, ctx_.State.OldDirName);
  if (!newFiles.SharesNameWith(oldFiles)) return ctx_.Ui.ShowMessage(NoCommonFiles);
  if (selects_.empty()) return ctx_.Ui.ShowMessage(NoLikeSelection);

  std::vector<SelectedPair> pairs;
  for (const std::string& name : selects_) {
    if (!newFiles.Find(name) || !oldFiles.Find(name)) {
      return Refuse("--select '" + name + "': no file of that name in both directories");
    }
    // A name stands at most once in the selection, as in the window's selected list.
    if (!Contains(pairs, name)) pairs.push_back({name, name});
  }
  FillSelectedPairs(ctx_.State, ctx_.Fs, pairs);
  RunCompareSection(ctx_);
}

void CliSelection::RunUnlikeNames() {
  const DiskNameIndex newFiles(ctx_.Fs, ctx_.State.NewDirName);
  const DiskNameIndex oldFiles(ctx_.Fs, ctx_.State.OldDirName);
  if (newFiles.Empty()) ctx_.Ui.ShowMessage(NoNewFiles);
  if (oldFiles.Empty()) ctx_.Ui.ShowMessage(NoOldFiles);
  if (newFiles.Empty() || oldFiles.Empty()) return;
  if (pairs_.empty()) return ctx_.Ui.ShowMessage(NoUnlikeSelection);

  std::vector<SelectedPair> pairs;
  for (const std::string& text : pairs_) {
    if (text.find(':') == std::string::npos) {
      return Refuse("--pair '" + text + "': expected \"new-name : old-name\"");
    }
    SelectedPair pair = SplitPairText(text);
    if (!newFiles.Find(pair.New)) {
      return Refuse("--pair '" + text + "': no file '" + pair.New + "' in the New directory");
    }
    if (!oldFiles.Find(pair.Old)) {
      return Refuse("--pair '" + text + "': no file '" + pair.Old + "' in the Old directory");
    }
    pairs.push_back(std::move(pair));
  }
  FillSelectedPairs(ctx_.State, ctx_.Fs, pairs);
  RunCompareSection(ctx_);
}

}  // namespace kav::cli
