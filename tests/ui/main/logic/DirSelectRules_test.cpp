#include "ui/main/logic/DirSelectRules.h"

#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace kav {
namespace {

TEST(DirSelectRules, ReturnAsksAboutTheDirectoriesThisPageLeftAlone) {
  struct Case {
    bool noWarn;
    const char* nowNew;
    const char* nowOld;
    const char* question;  // nullptr: none
  } cases[] = {
      {false, "/Work/New", "/work/old",
       "The Main Panel Input New and Old Dir Names - \"/Work/New\" and \"/work/old\" have not "
       "been changed by this panel.  Exit anyway?"},
      {false, "/elsewhere", "/work/old",
       "The Main Panel Input The Old Dir Name \"/work/old\" has not been changed by this panel. "
       " Exit anyway?"},
      {false, "/Work/New", "/elsewhere",
       "The Main Panel Input The New Dir Name \"/Work/New\" has not been changed by this panel. "
       " Exit anyway?"},
      {false, "/work/new", "/x", nullptr},  // a change of case is a change
      {true, "/Work/New", "/work/old", nullptr},
  };
  EXPECT_EQ(DirSelectReturnQuestion(false, "", "", "", "").value_or(""),
            "The Main Panel Input New and Old Dir Names - \"\" and \"\" have not been changed by "
            "this panel.  Exit anyway?");
  for (const Case& c : cases) {
    const auto question =
        DirSelectReturnQuestion(c.noWarn, "/Work/New", "/work/old", c.nowNew, c.nowOld);
    if (c.question == nullptr) {
      EXPECT_FALSE(question) << c.nowNew << " " << c.nowOld;
    } else {
      EXPECT_EQ(question.value_or("(none)"), c.question);
    }
  }
}

TEST(DirSelectRules, EntryShowsNewThenOldThenTheProgramsFolder) {
  struct Case {
    bool newOk, oldOk;
    EntryShows shows;
    bool rememberNew, rememberOld;
  } cases[] = {
      {true, true, EntryShows::NewDir, true, true},
      {true, false, EntryShows::NewDir, true, false},
      {false, true, EntryShows::OldDir, false, true},
      {false, false, EntryShows::ExeDir, false, false},
  };
  for (const Case& c : cases) {
    const DirSelectEntryPlan plan = PlanDirSelectEntry(c.newOk, c.oldOk);
    EXPECT_EQ(plan.Shows, c.shows);
    EXPECT_EQ(plan.RememberDsNew, c.rememberNew);
    EXPECT_EQ(plan.RememberDsOld, c.rememberOld);
  }
  EXPECT_EQ(ExeDirShown("/opt/Kavdrift"), "/opt/Kavdrift/");
  EXPECT_EQ(ExeDirShown("/"), "/");
}

TEST(DirSelectRules, OnlyAbsoluteExistingDirectoriesAreBrowsable) {
  test::TempTree tree;
  tree.File("Dir/file.txt", "x");
  const FileSystem& fs = RealFileSystem();
  EXPECT_TRUE(IsBrowsableDirectory(fs, tree.Path("Dir")));
  EXPECT_TRUE(IsBrowsableDirectory(fs, "/"));
  EXPECT_FALSE(IsBrowsableDirectory(fs, tree.Path("dir")));  // case matters on disk
  EXPECT_FALSE(IsBrowsableDirectory(fs, tree.Path("Dir/file.txt")));
  EXPECT_FALSE(IsBrowsableDirectory(fs, "."));
  EXPECT_FALSE(IsBrowsableDirectory(fs, ""));
}

TEST(DirSelectRules, SortedHistoryIsAscendingWithoutCaseAndKeepsTheFirstSpelling) {
  EXPECT_EQ(SortedHistory({"/b", "/A", "/c", "/a", "/B/x", "/b"}),
            (StringList{"/A", "/b", "/B/x", "/c"}));
  StringList sorted{"/a", "/c"};
  EXPECT_TRUE(InsertSortedIfNew(sorted, "/B"));
  EXPECT_FALSE(InsertSortedIfNew(sorted, "/C"));
  EXPECT_EQ(sorted, (StringList{"/a", "/B", "/c"}));
}

TEST(DirSelectRules, DrivesStartWithTheRootAndHoldEachPath) {
  const StringList drives = DriveRoots({"/mnt/usb", "", "/home", "/", "/mnt/usb", "/boot"});
  EXPECT_EQ(drives, (StringList{"/", "/boot", "/home", "/mnt/usb"}));
  EXPECT_EQ(DriveOf(drives, "/home/ann/Work"), "/home");
  EXPECT_EQ(DriveOf(drives, "/home"), "/home");
  EXPECT_EQ(DriveOf(drives, "/homework"), "/");
  EXPECT_EQ(DriveOf(drives, "/mnt/usb/a"), "/mnt/usb");
  EXPECT_EQ(DriveOf({}, "/x"), "/");
}

TEST(DirSelectRules, DragStartsAfterTenPixelsOnEitherAxis) {
  EXPECT_FALSE(DragStarts(9, -9));
  EXPECT_TRUE(DragStarts(10, 0));
  EXPECT_TRUE(DragStarts(0, -10));
}

}  // namespace
}  // namespace kav
