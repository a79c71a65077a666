#include "tree/RecordPaths.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kav {
namespace {

// A hand-made scanned list: each record names its parent's index (-1 for a root).
struct List {
  TreeNodePool pool;
  TreeNodeList nodes;

  List& Add(const char* name, int32_t parent, const char* diskName = "") {
    TreeNode* node = pool.Add();
    node->Name = name;
    node->DiskName = diskName;
    node->ParentIndex = parent;
    node->Level = parent < 0 ? 0 : nodes[static_cast<std::size_t>(parent)]->Level + 1;
    nodes.push_back(node);
    return *this;
  }
};

TEST(RecordPaths, BuildsEachSpellingInAnyOrder) {
  List l;
  l.Add("/top/base/", -1, "/top/Base/")
      .Add("sub", 0, "Sub")
      .Add("a.bin", 1)
      .Add("deeper", 1)
      .Add("x", 3, "X")
      .Add("other", 0)
      .Add("y", 5);
  RecordPaths lower(l.nodes, RecordPaths::Spelling::Lower, RecordPaths::From::Root);
  RecordPaths disk(l.nodes, RecordPaths::Spelling::Disk, RecordPaths::From::Root);
  RecordPaths relative(l.nodes, RecordPaths::Spelling::Lower, RecordPaths::From::Relative);
  struct Case {
    std::size_t index;
    const char *lower, *disk, *relative;
  };
  // Deep first, then back up, across to another branch and down again.
  const Case cases[] = {
      {4, "/top/base/sub/deeper/x", "/top/Base/Sub/deeper/X", "/sub/deeper/x"},
      {0, "/top/base/", "/top/Base/", "/top/base/"},
      {6, "/top/base/other/y", "/top/Base/other/y", "/other/y"},
      {2, "/top/base/sub/a.bin", "/top/Base/Sub/a.bin", "/sub/a.bin"},
      {1, "/top/base/sub", "/top/Base/Sub", "/sub"},
      {4, "/top/base/sub/deeper/x", "/top/Base/Sub/deeper/X", "/sub/deeper/x"},
  };
  for (const Case& c : cases) {
    const TreeNode& record = *l.nodes[c.index];
    EXPECT_EQ(lower.Of(record), c.lower);
    EXPECT_EQ(disk.Of(record), c.disk);
    EXPECT_EQ(relative.Of(record), c.relative);
  }
  EXPECT_EQ(disk.Child(3, "New.txt"), "/top/Base/Sub/deeper/New.txt");
  RecordPaths shown(l.nodes, RecordPaths::Spelling::Shown, RecordPaths::From::Relative);
  l.nodes[3]->Name = "deep\ner";
  EXPECT_EQ(shown.Of(*l.nodes[4]), "/sub/deep?er/x");
  EXPECT_EQ(shown.Child(3, "a\tb"), "/sub/deep?er/a?b");
  EXPECT_EQ(IoPath(l.nodes, *l.nodes[6]), "/top/Base/other/y");
}

TEST(RecordPaths, ARootWithoutATrailingSlashAndAParentOutsideTheList) {
  List l;
  l.Add("/", -1).Add("usr", 0).Add("lib", 1);
  EXPECT_EQ(IoPath(l.nodes, *l.nodes[2]), "/usr/lib");
  List m;
  m.Add("/top", -1).Add("a", 0).Add("b", 1);
  EXPECT_EQ(IoPath(m.nodes, *m.nodes[2]), "/top/a/b");
  m.nodes[2]->ParentIndex = 7;  // not in the list: the record's own name stands whole
  EXPECT_EQ(IoPath(m.nodes, *m.nodes[2]), "b");
}

// Relative names compare byte by byte, as whole texts: "/a/x" sorts after "/a-/x", since '-'
// comes before '/', although the name "a" sorts before "a-".
TEST(RelativeOrder, ComparesWholeRelativeNamesUnlessTheDirectoriesArePaired) {
  List n;
  n.Add("/new/", -1).Add("a", 0).Add("x", 1).Add("b", 0).Add("y", 3);
  List o;
  o.Add("/old/", -1).Add("a-", 0).Add("x", 1).Add("b", 0).Add("z", 3);
  RelativeOrder order(n.nodes, o.nodes);
  EXPECT_LT(order.Compare(1, 1), 0);  // "/a" < "/a-"
  EXPECT_GT(order.Compare(2, 2), 0);  // "/a/x" > "/a-/x"
  EXPECT_LT(order.Compare(4, 4), 0);  // "/b/y" < "/b/z", built whole
  order.Paired(3, 3);
  o.nodes[3]->Name = "a";             // once paired, the directories' names are not read again
  EXPECT_LT(order.Compare(4, 4), 0);  // "y" < "z"
  EXPECT_GT(order.Compare(4, 2), 0);  // "/b/y" > "/a-/x": that pair decides nothing here
}

}  // namespace
}  // namespace kav
