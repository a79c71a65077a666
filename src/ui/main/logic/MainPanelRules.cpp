#include "ui/main/logic/MainPanelRules.h"

namespace kav {

PageChange OnPageChange(int from, int to) {
  PageChange change;
  if (from == to) return change;
  change.TakeSnapshot = to == PagePreferences;
  change.UpdateOptionsText = from == PagePreferences;
  change.PrepareDirSelect = to == PageDirectorySelect;
  return change;
}

CloseAction OnCloseRequest(int page) {
  if (page == PageMainPanel) return CloseAction::CloseWindow;
  if (page == PageDirectorySelect) return CloseAction::DirSelectReturn;
  return CloseAction::ShowMainPanel;
}

DropResult DirectoriesDropped(const std::vector<std::string>& names, int dropY, int oldComboTop) {
  DropResult result;
  if (names.size() >= 2) {
    result.NewText = names[0];
    result.OldText = names[1];
  } else if (names.size() == 1) {
    if (dropY >= oldComboTop) {
      result.OldText = names[0];
    } else {
      result.NewText = names[0];
    }
  }
  return result;
}

}  // namespace kav
