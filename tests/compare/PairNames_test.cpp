#include "compare/PairNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <random>
#include <string>

#include "compare/DirListing.h"
#include "support/CompareFixture.h"
#include "text/Format.h"

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
  Names names, disk, special;
  EXPECT_EQ(ListDirectoryFiles(f.fs, f.tree.Path("new"), names, disk, {}, &special), 0);
  EXPECT_EQ(special, (Names{"pipe"}));  // never opened without a look first
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

// Against a plain reading of the rules on random names that share long prefixes, differ in
// case and hold bytes above 0x7F: the order, the pairs and what stays unpaired.
TEST(PairLikeNames, AgreesWithAPlainSortAndSearchOnRandomNames) {
  std::mt19937 random(7);
  auto randomName = [&random] {
    // Long shared prefixes reach past the first 16 bytes; short tails make many pairs.
    static const char* prefixes[] = {"", "Aaaaaaa", "aaaaaaaabbbbbbb", "aaaaaaaaBBBBBBBBc"};
    static const std::string letters = "aAbB.\x7f\x80\xe9";
    std::string name = prefixes[std::uniform_int_distribution<int>(0, 3)(random)];
    for (int k = std::uniform_int_distribution<int>(1, 3)(random); k > 0; --k) {
      name += letters[std::uniform_int_distribution<std::size_t>(0, 7)(random)];
    }
    return name;
  };
  for (int round = 0; round < 20; ++round) {
    RunState s;
    for (Names* disk : {&s.Names.NewDirDiskNames, &s.Names.OldDirDiskNames}) {
      for (int k = 0; k < 300; ++k) disk->push_back(randomName());
    }
    for (const std::string& d : s.Names.NewDirDiskNames) s.Names.NewDirNames.push_back(ToLower(d));
    for (const std::string& d : s.Names.OldDirDiskNames) s.Names.OldDirNames.push_back(ToLower(d));
    std::vector<std::pair<std::string, std::string>> expectNew, expectOld;
    for (std::size_t k = 0; k < 300; ++k) {
      expectNew.emplace_back(s.Names.NewDirNames[k], s.Names.NewDirDiskNames[k]);
      expectOld.emplace_back(s.Names.OldDirNames[k], s.Names.OldDirDiskNames[k]);
    }
    std::sort(expectNew.begin(), expectNew.end());
    std::sort(expectOld.begin(), expectOld.end());
    std::map<std::string, int> oldCount, pairedCount;
    for (const auto& [name, disk] : expectOld) ++oldCount[name];
    Names paired;
    for (const auto& [name, disk] : expectNew) {
      if (oldCount.count(name) != 0) paired.push_back(name), ++pairedCount[name];
    }

    PairLikeNames(s);
    ASSERT_EQ(s.Names.NewDirNames.size(), expectNew.size());
    for (std::size_t k = 0; k < expectNew.size(); ++k) {
      ASSERT_EQ(s.Names.NewDirNames[k], expectNew[k].first) << k;
      ASSERT_EQ(s.Names.NewDirDiskNames[k], expectNew[k].second) << k;
      ASSERT_EQ(s.Names.OldDirDiskNames[k], expectOld[k].second) << k;
    }
    ASSERT_EQ(s.Names.PairedNewNames, paired);
    RemovePairedNames(s);
    for (const auto& [left, listed] : {std::pair{&s.Names.NewDirNames, &expectNew},
                                       std::pair{&s.Names.OldDirNames, &expectOld}}) {
      ASSERT_TRUE(std::is_sorted(left->begin(), left->end()));
      for (const auto& [name, disk] : *listed) {
        const auto count = std::count_if(listed->begin(), listed->end(),
                                         [&](const auto& e) { return e.first == name; });
        ASSERT_EQ(std::count(left->begin(), left->end(), name),
                  std::max<std::ptrdiff_t>(0, count - pairedCount[name]))
            << name;
      }
    }
  }
}

}  // namespace
}  // namespace kav::test
