#include "compare/PairNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "compare/DirListing.h"
#include "support/CompareFixture.h"

namespace kav::test {
namespace {

using Names = StringList;

TEST(DirListing, ListsEveryFileLowerCasedButNoDirectory) {
  CompareFixture f;
  f.tree.File("new/Readme.TXT", "x");
  f.tree.File("new/.hidden", "x");
  f.tree.Dir("new/Sub");
  f.tree.Fifo("new/pipe");
  f.tree.Symlink(f.tree.Path("new/Sub"), "new/dirlink");
  Names names, disk;
  EXPECT_EQ(ListDirectoryFiles(f.fs, f.tree.Path("new"), names, disk), 0);
  EXPECT_EQ(names.size(), 3u);
  std::sort(names.begin(), names.end());
  std::sort(disk.begin(), disk.end());
  EXPECT_EQ(names, (Names{".hidden", "pipe", "readme.txt"}));
  EXPECT_EQ(disk, (Names{".hidden", "Readme.TXT", "pipe"}));
}

TEST(DirListing, OnlySubDirectoriesOrUnreadableGiveZero) {
  CompareFixture f;
  f.tree.Dir("new/a");
  Names names, disk;
  EXPECT_EQ(ListDirectoryFiles(f.fs, f.tree.Path("new"), names, disk), 0);
  EXPECT_EQ(ListDirectoryFiles(f.fs, f.tree.Path("missing"), names, disk), ENOENT);
  EXPECT_TRUE(names.empty());
}

TEST(DirListing, JoinPathAddsOneSlash) {
  EXPECT_EQ(JoinPath("/a/b", "c"), "/a/b/c");
  EXPECT_EQ(JoinPath("/a/b/", "c"), "/a/b/c");
  EXPECT_EQ(JoinPath("/", "c"), "/c");
}

RunState StateWith(Names newNames, Names oldNames) {
  RunState s;
  s.Names.NewDirNames = std::move(newNames);
  s.Names.OldDirNames = std::move(oldNames);
  return s;
}

TEST(PairLikeNames, PairsInAscendingOrderWithTheNewText) {
  RunState s = StateWith({"c", "a", "readme.txt", "d"}, {"readme.txt", "b", "c", "a"});
  s.Names.NewDirDiskNames = {"c", "a", "Readme.TXT", "d"};
  s.Names.OldDirDiskNames = {"README.txt", "b", "c", "a"};
  PairLikeNames(s);
  EXPECT_EQ(s.Names.PairedNewNames, (Names{"a", "c", "readme.txt"}));
  EXPECT_EQ(s.Names.PairedOldNames, s.Names.PairedNewNames);
  EXPECT_EQ(s.Names.PairedNewDiskNames, (Names{"a", "c", "Readme.TXT"}));
  EXPECT_EQ(s.Names.PairedOldDiskNames, (Names{"a", "c", "README.txt"}));
  EXPECT_EQ(s.Names.NewDirNames, (Names{"a", "c", "d", "readme.txt"}));

  RemovePairedNames(s);
  EXPECT_EQ(s.Names.NewDirNames, (Names{"d"}));
  EXPECT_EQ(s.Names.NewDirDiskNames, (Names{"d"}));
  EXPECT_EQ(s.Names.OldDirNames, (Names{"b"}));
  EXPECT_EQ(s.Names.OldDirDiskNames, (Names{"b"}));
}

TEST(PairLikeNames, NamesDifferingOnlyInCaseAreBothListedAndTakeTheFirstMatch) {
  // New holds A.txt and a.txt, Old one a.TXT: both New names pair with it.
  RunState s = StateWith({"a.txt", "a.txt"}, {"a.txt", "z"});
  s.Names.NewDirDiskNames = {"a.txt", "A.txt"};
  s.Names.OldDirDiskNames = {"a.TXT", "z"};
  PairLikeNames(s);
  EXPECT_EQ(s.Names.PairedNewNames, (Names{"a.txt", "a.txt"}));
  EXPECT_EQ(s.Names.PairedNewDiskNames, (Names{"A.txt", "a.txt"}));
  EXPECT_EQ(s.Names.PairedOldDiskNames, (Names{"a.TXT", "a.TXT"}));
  RemovePairedNames(s);
  EXPECT_TRUE(s.Names.NewDirNames.empty());
  EXPECT_EQ(s.Names.OldDirNames, (Names{"z"}));
}

TEST(PairLikeNames, ASecondOldNameOfTheSameSpellingStaysDeleted) {
  RunState s = StateWith({"a"}, {"a", "a"});
  s.Names.OldDirDiskNames = {"a", "A"};
  PairLikeNames(s);
  EXPECT_EQ(s.Names.PairedOldDiskNames, (Names{"A"}));
  RemovePairedNames(s);
  EXPECT_EQ(s.Names.OldDirNames, (Names{"a"}));
  EXPECT_EQ(s.Names.OldDirDiskNames, (Names{"a"}));
}

TEST(PairLikeNames, MissingDiskNamesFallBackToTheNames) {
  RunState s = StateWith({"b", "a"}, {"a"});
  PairLikeNames(s);
  EXPECT_EQ(s.Names.PairedNewDiskNames, (Names{"a"}));
  EXPECT_EQ(s.Names.NewDirDiskNames, (Names{"a", "b"}));
}

TEST(PairLikeNames, HundredThousandNamesPairAndRemoveExactly) {
  RunState s;
  for (int i = 0; i < 100000; ++i) {
    s.Names.NewDirNames.push_back("f" + std::to_string(99999 - i));
    if (i % 2 == 0) s.Names.OldDirNames.push_back("f" + std::to_string(i));
  }
  s.Names.OldDirNames.push_back("only-old");
  PairLikeNames(s);
  ASSERT_EQ(s.Names.PairedNewNames.size(), 50000u);
  EXPECT_TRUE(std::is_sorted(s.Names.PairedNewNames.begin(), s.Names.PairedNewNames.end()));
  RemovePairedNames(s);
  EXPECT_EQ(s.Names.NewDirNames.size(), 50000u);
  EXPECT_EQ(s.Names.OldDirNames, (Names{"only-old"}));
}

}  // namespace
}  // namespace kav::test
