#include "ui/select/logic/LikeNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "support/TempTree.h"
#include "text/Format.h"
#include "ui/select/logic/SelectionText.h"

namespace kav {
namespace {

using Names = std::vector<std::string>;

Names NamesOf(const LikeList& list) {
  Names names;
  for (const LikeEntry& entry : list) names.push_back(entry.Name);
  return names;
}

LikeList Entries(const Names& names) {
  LikeList list;
  for (const std::string& name : names) list.push_back({name, name, name});
  return list;
}

// The pairing as first designed: every New name against every Old name, then ordered.
LikeList EveryNewWithEveryOld(const SelectableFiles& news, const SelectableFiles& olds,
                              LikeSort sort) {
  LikeList list;
  for (const SelectableFile& n : news.Files()) {
    for (const SelectableFile& o : olds.Files()) {
      if (EqualsNoCase(n.Disk, o.Disk)) list.push_back({ToLower(n.Disk), n.Disk, o.Disk});
    }
  }
  // Exchange sort, as the list was once ordered.
  for (std::size_t i = 0; i + 1 < list.size(); ++i) {
    for (std::size_t j = i + 1; j < list.size(); ++j) {
      if (LikeBefore(list[j], list[i], sort)) std::swap(list[i], list[j]);
    }
  }
  return list;
}

TEST(LikeNames, SortsByNameOrByExtensionThenName) {
  LikeSelection lists;
  lists.SetAvailable(Entries({"a.txt", "b.doc", "c.txt", "d", ".profile", "e.tar.gz"}));
  lists.SetSort(LikeSort::Extension);
  EXPECT_EQ(NamesOf(lists.Available()),
            (Names{".profile", "d", "b.doc", "e.tar.gz", "a.txt", "c.txt"}));
  lists.SetSort(LikeSort::Name);
  EXPECT_EQ(NamesOf(lists.Available()),
            (Names{".profile", "a.txt", "b.doc", "c.txt", "d", "e.tar.gz"}));
}

TEST(LikeNames, BuildsTheListPairingEveryNewWithEveryOldGives) {
  std::mt19937 random(7);
  const char* stems[] = {"a", "A", "b", "B", "ab", "aB", "_x", "z"};
  const char* exts[] = {"", ".txt", ".TXT", ".doc"};
  test::TempTree tree;
  for (const char* side : {"new/", "old/"}) {
    tree.Dir(side);
    for (int i = 0; i < 30; ++i) {
      tree.File(std::string(side) + stems[random() % 8] + exts[random() % 4], "1");
    }
  }
  const SelectableFiles news(RealFileSystem(), tree.Path("new"), FileMask("*.*"));
  const SelectableFiles olds(RealFileSystem(), tree.Path("old"), FileMask("*.*"));
  for (LikeSort sort : {LikeSort::Name, LikeSort::Extension}) {
    const LikeList fast = BuildLikeNameList(news, olds, sort);
    const LikeList slow = EveryNewWithEveryOld(news, olds, sort);
    ASSERT_EQ(fast.size(), slow.size());
    for (std::size_t i = 0; i < fast.size(); ++i) {
      EXPECT_EQ(fast[i].Name, slow[i].Name) << i;
      EXPECT_EQ(fast[i].NewDisk, slow[i].NewDisk) << i;
      EXPECT_EQ(fast[i].OldDisk, slow[i].OldDisk) << i;
    }
  }
}

TEST(LikeNames, MovesKeepEachNameInOneListAndTheOrders) {
  LikeSelection lists;
  lists.SetSort(LikeSort::Extension);
  lists.SetAvailable(Entries({"d", "b.doc", "a.txt", "c.txt"}));
  lists.SelectRows({3, 0});
  EXPECT_EQ(NamesOf(lists.Available()), (Names{"b.doc", "a.txt"}));
  EXPECT_EQ(NamesOf(lists.Selected()), (Names{"c.txt", "d"}));
  lists.SelectAll();
  EXPECT_TRUE(lists.Available().empty());
  EXPECT_EQ(NamesOf(lists.Selected()), (Names{"a.txt", "b.doc", "c.txt", "d"}));
  lists.UnselectRows({1, 3});
  EXPECT_EQ(NamesOf(lists.Available()), (Names{"d", "b.doc"}));
  lists.UnselectAll();
  EXPECT_EQ(NamesOf(lists.Available()), (Names{"d", "b.doc", "a.txt", "c.txt"}));
  EXPECT_TRUE(lists.Selected().empty());
}

TEST(LikeNames, ReconcileKeepsAvailableNamesAndTakesTheirFiles) {
  LikeSelection lists;
  lists.SetAvailable({{"a", "A", "a"}, {"b", "b", "b"}, {"c", "c", "C"}, {"c", "c", "c"}});
  lists.SetSelected(ParseLikeSelection("C;gone.txt;a;c;"));
  lists.Reconcile();
  EXPECT_EQ(NamesOf(lists.Available()), (Names{"b"}));
  ASSERT_EQ(lists.Selected().size(), 3u);
  EXPECT_EQ(NamesOf(lists.Selected()), (Names{"a", "c", "c"}));
  EXPECT_EQ(lists.Selected()[0].NewDisk, "A");
  EXPECT_EQ(LikeSelectionText(lists.Selected()), "a;c;c;");
  const std::vector<SelectedPair> pairs = LikePairs(lists.Selected());
  EXPECT_EQ(pairs[0].New, "A");
  EXPECT_EQ(pairs[0].Old, "a");
}

TEST(SelectionText, SplitsAtEachSemicolonAndJoinsWithOneAfterEach) {
  struct Case {
    const char* text;
    Names items;
  } cases[] = {
      {"", {}},        {"a.txt;", {"a.txt"}}, {"a.txt;b c ;", {"a.txt", "b c "}},
      {";;a;", {"a"}}, {"a;b", {"a", "b"}},  // a last item without its ';' (edited by hand) counts
                                             // too
  };
  for (const Case& c : cases) EXPECT_EQ(SplitSelectionText(c.text), c.items) << c.text;
  EXPECT_EQ(JoinSelectionText({"a.txt", "b c "}), "a.txt;b c ;");
  EXPECT_EQ(JoinSelectionText({}), "");
}

}  // namespace
}  // namespace kav
