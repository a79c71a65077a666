#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kav {

// The notebook's pages, in tab order.
enum MainPage : int {
  PageMainPanel = 0,
  PageDirectorySelect = 1,
  PagePreferences = 2,
  PageAbout = 3,
  PageOverview = 4,
};

// What the window does when the notebook leaves page `from` for page `to`.
struct PageChange {
  bool TakeSnapshot = false;       // entering Preferences: remember the check boxes
  bool UpdateOptionsText = false;  // leaving Preferences: the changes stay and are shown
  bool PrepareDirSelect = false;   // entering Directory Select
};
PageChange OnPageChange(int from, int to);

// What a close request (Exit or the window's own close) does on the page that shows.
enum class CloseAction {
  CloseWindow,      // Main Panel: save the settings and end
  DirSelectReturn,  // Directory Select: what its Return button does; the window stays
  ShowMainPanel,    // any other page: back to the Main Panel; the window stays
};
CloseAction OnCloseRequest(int page);

// Which directory texts a drop of local names sets. `dropY` is the drop point's vertical
// position and `oldComboTop` the Old combo's top edge, both in window coordinates. Names are
// taken as given (Start validates them); two or more set New and Old from the first two.
struct DropResult {
  std::optional<std::string> NewText;
  std::optional<std::string> OldText;
};
DropResult DirectoriesDropped(const std::vector<std::string>& names, int dropY, int oldComboTop);

}  // namespace kav
