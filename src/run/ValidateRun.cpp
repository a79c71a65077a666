#include <string>

#include "core/CompareTypes.h"
#include "core/PreferenceTable.h"
#include "run/Dispatcher.h"
#include "tree/TreeRecords.h"

namespace kav {
namespace {

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

void EnsureTrailingSlash(std::string& dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
}

// Every option and run-type flag off, then the checked preferences on.
void TakeOverOptions(RunState& state) {
  const PanelInputs& panel = state.Panel;
  for (const PreferenceEntry& p : PreferenceTable) state.Options.*p.Option = panel.*p.CheckBox;
  state.ShowGraphViewer = false;
  state.ListNewTreeRun = false;
  state.ListBothTreesRun = false;
  state.TreeCompareRun = false;
}

}  // namespace

void ValidateRun(RunContext& ctx) {
  RunState& state = ctx.State;
  state.RunValidated = false;
  state.HaltRequested = false;
  state.Names = {};

  const bool listNewTree = state.RunType == CompareType::ListNewTree;
  state.NewDirName = state.Panel.MnCbNewDirNm;
  state.OldDirName = state.Panel.MnCbOldDirNm;
  const bool newBlank = IsBlank(state.NewDirName);
  if (newBlank || (!listNewTree && IsBlank(state.OldDirName))) {
    ctx.Ui.ShowMessage(std::string("The ") + (newBlank ? "New" : "Old") +
                       " Input Directory must be specified. It is currently blank");
    return;
  }
  EnsureTrailingSlash(state.NewDirName);
  if (!listNewTree) EnsureTrailingSlash(state.OldDirName);
  ctx.Ui.Focus(Control::MnCbNewDirNm);

  if (!ctx.Fs.IsDirectory(state.NewDirName)) {
    ctx.Ui.ShowMessage("Invalid New Input File Directory Name specified.");
    return;
  }
  if (!listNewTree && !ctx.Fs.IsDirectory(state.OldDirName)) {
    ctx.Ui.ShowMessage("Invalid Old Input File Directory Name specified.");
    ctx.Ui.Focus(Control::MnCbOldDirNm);
    return;
  }

  ctx.Ui.RememberDirectory(Control::MnCbNewDirNm, state.Panel.MnCbNewDirNm);
  if (!IsBlank(state.Panel.MnCbOldDirNm)) {
    ctx.Ui.RememberDirectory(Control::MnCbOldDirNm, state.Panel.MnCbOldDirNm);
  }
  TakeOverOptions(state);
  ReleaseTreeRecords(state);
  state.ReportLines.clear();
  state.RunValidated = true;
  ctx.Ui.SetVisible(Control::MnImage1, true);
  ctx.Ui.SetVisible(Control::MnImage2, false);
}

}  // namespace kav
