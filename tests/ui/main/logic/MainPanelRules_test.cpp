#include "ui/main/logic/MainPanelRules.h"

#include <gtest/gtest.h>

#include "core/CompareTypes.h"

namespace kav {
namespace {

TEST(MainPanelRules, PageChanges) {
  struct Case {
    int from, to;
    bool snapshot, update, dirSelect;
  } cases[] = {
      {PageMainPanel, PagePreferences, true, false, false},
      {PagePreferences, PageAbout, false, true, false},
      {PagePreferences, PageMainPanel, false, true, false},
      {PageMainPanel, PageDirectorySelect, false, false, true},
      {PagePreferences, PageDirectorySelect, false, true, true},
      {PageAbout, PageOverview, false, false, false},
      {PagePreferences, PagePreferences, false, false, false},
  };
  for (const Case& c : cases) {
    PageChange change = OnPageChange(c.from, c.to);
    EXPECT_EQ(change.TakeSnapshot, c.snapshot) << c.from << "->" << c.to;
    EXPECT_EQ(change.UpdateOptionsText, c.update) << c.from << "->" << c.to;
    EXPECT_EQ(change.PrepareDirSelect, c.dirSelect) << c.from << "->" << c.to;
  }
}

TEST(MainPanelRules, CloseRequests) {
  EXPECT_EQ(OnCloseRequest(PageMainPanel), CloseAction::CloseWindow);
  EXPECT_EQ(OnCloseRequest(PageDirectorySelect), CloseAction::DirSelectReturn);
  for (int page : {PagePreferences, PageAbout, PageOverview}) {
    EXPECT_EQ(OnCloseRequest(page), CloseAction::ShowMainPanel) << page;
  }
}

TEST(MainPanelRules, Drops) {
  const int oldTop = 100;
  DropResult one_upper = DirectoriesDropped({"/Photos"}, 99, oldTop);
  EXPECT_EQ(one_upper.NewText, "/Photos");
  EXPECT_FALSE(one_upper.OldText);
  DropResult one_at_edge = DirectoriesDropped({"/a"}, 100, oldTop);
  EXPECT_FALSE(one_at_edge.NewText);
  EXPECT_EQ(one_at_edge.OldText, "/a");
  DropResult three = DirectoriesDropped({"/n", "/o", "/third"}, 5, oldTop);
  EXPECT_EQ(three.NewText, "/n");
  EXPECT_EQ(three.OldText, "/o");
  DropResult none = DirectoriesDropped({}, 5, oldTop);
  EXPECT_FALSE(none.NewText || none.OldText);
}

}  // namespace
}  // namespace kav
