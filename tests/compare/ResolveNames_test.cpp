#include "compare/ResolveNames.h"

#include <gtest/gtest.h>

#include "support/CompareFixture.h"

namespace kav::test {
namespace {

using Names = StringList;

TEST(DiskNameIndex, FindsTheOnDiskSpellingWithoutRegardToCase) {
  CompareFixture f;
  f.tree.File("new/Report.TXT", "1");
  f.tree.File("new/a.txt", "1");
  f.tree.File("new/A.txt", "1");
  f.tree.Dir("new/folder");
  DiskNameIndex index(f.fs, f.tree.Path("new"));
  EXPECT_EQ(index.Count(), 3u);
  EXPECT_EQ(index.Find("report.txt").value_or("-"), "Report.TXT");
  EXPECT_EQ(index.Find("REPORT.txt").value_or("-"), "Report.TXT");
  EXPECT_EQ(index.Find("a.txt").value_or("-"), "a.txt");  // the exact spelling wins
  EXPECT_EQ(index.Find("A.txt").value_or("-"), "A.txt");
  EXPECT_EQ(index.Find("A.TXT").value_or("-"), "A.txt");  // else the first in byte order
  EXPECT_FALSE(index.Find("folder").has_value());
  EXPECT_FALSE(index.Find("missing").has_value());
  EXPECT_TRUE(DiskNameIndex(f.fs, f.tree.Path("nowhere")).Empty());
}

TEST(DiskNameIndex, SharesNameWithComparesWithoutCase) {
  CompareFixture f;
  f.tree.File("new/x", "1");
  f.tree.File("new/Same.txt", "1");
  f.tree.File("old/y", "1");
  DiskNameIndex newIndex(f.fs, f.tree.Path("new"));
  EXPECT_FALSE(newIndex.SharesNameWith(DiskNameIndex(f.fs, f.tree.Path("old"))));
  f.tree.File("old/SAME.TXT", "1");
  EXPECT_TRUE(newIndex.SharesNameWith(DiskNameIndex(f.fs, f.tree.Path("old"))));
}

TEST(SplitPairText, OnlyOneBlankEachSideOfTheFirstColonBelongsToTheSeparator) {
  struct Case {
    const char* text;
    const char* newName;
    const char* oldName;
  } cases[] = {
      {"report.txt : report_old.txt", "report.txt", "report_old.txt"},  // as stored
      {"name  :  old ", "name ", " old "},  // stored names with blanks keep them
      {"abc:xold", "abc", "xold"},
      {"a:b", "a", "b"},
      {"a : b : c", "a", "b : c"},
      {"new:  old", "new", " old"},
      {"new  :old", "new ", "old"},
      {"a\t:\tb", "a\t", "\tb"},
      {"a :", "a", ""},
      {":b", "", "b"},
      {":", "", ""},
      {"plain", "plain", ""},
  };
  for (const Case& c : cases) {
    SelectedPair pair = SplitPairText(c.text);
    EXPECT_EQ(pair.New, c.newName) << c.text;
    EXPECT_EQ(pair.Old, c.oldName) << c.text;
  }
}

TEST(FillSelectedPairs, KeepsOrderLowerCasesNamesAndSkipsMissingFiles) {
  CompareFixture f;
  f.tree.File("new/Report.txt", "1");
  f.tree.File("new/b", "1");
  f.tree.File("old/report_OLD.txt", "1");
  f.tree.File("old/B", "1");
  f.state.NewDirName = f.tree.Path("new") + "/";
  f.state.OldDirName = f.tree.Path("old") + "/";
  int placed = FillSelectedPairs(
      f.state, f.fs,
      {{"b", "b"}, {"report.txt", "report_old.txt"}, {"gone", "b"}, {"b", "gone"}, {"b", "b"}});
  EXPECT_EQ(placed, 3);
  EXPECT_EQ(f.state.Names.PairedNewNames, (Names{"b", "report.txt", "b"}));
  EXPECT_EQ(f.state.Names.PairedOldNames, (Names{"b", "report_old.txt", "b"}));
  EXPECT_EQ(f.state.Names.PairedNewDiskNames, (Names{"b", "Report.txt", "b"}));
  EXPECT_EQ(f.state.Names.PairedOldDiskNames, (Names{"B", "report_OLD.txt", "B"}));
}

}  // namespace
}  // namespace kav::test
