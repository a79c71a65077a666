#include "ui/main/logic/DirHistory.h"

#include <gtest/gtest.h>

#include "support/TempTree.h"

namespace kav {
namespace {

TEST(DirHistory, MostRecentFirstWithoutDuplicates) {
  struct Case {
    StringList before;
    const char* path;
    StringList after;
    bool changed;
  } cases[] = {
      {{}, "/a", {"/a"}, true},
      {{"/a"}, "/a", {"/a"}, false},
      {{"/a"}, "/a/b", {"/a/b", "/a"}, true},
      {{"/x", "/y", "/z"}, "/z", {"/z", "/x", "/y"}, true},
      {{"/x", "/Y", "/z"}, "/y", {"/y", "/x", "/z"}, true},
      {{"/Data"}, "/data", {"/data"}, true},  // the text typed wins over another spelling
      {{"/x", "/y"}, "/New Dir", {"/New Dir", "/x", "/y"}, true},
  };
  for (const Case& c : cases) {
    StringList history = c.before;
    EXPECT_EQ(AddToDirHistory(history, c.path), c.changed) << c.path;
    EXPECT_EQ(history, c.after) << c.path;
  }
}

TEST(DirHistory, OnlyExistingPathsAreAccepted) {
  test::TempTree tree;
  tree.File("dir/file.txt", "x");
  const FileSystem& fs = RealFileSystem();
  using enum HistoryAccepts;
  EXPECT_TRUE(HistoryAcceptsPath(fs, tree.Path("dir"), DirectoryOnly));
  EXPECT_FALSE(HistoryAcceptsPath(fs, tree.Path("dir/file.txt"), DirectoryOnly));
  EXPECT_TRUE(HistoryAcceptsPath(fs, tree.Path("dir/file.txt"), FileOrDirectory));
  EXPECT_FALSE(HistoryAcceptsPath(fs, tree.Path("missing"), FileOrDirectory));
  EXPECT_FALSE(HistoryAcceptsPath(fs, "", FileOrDirectory));
}

TEST(DirHistory, FindIgnoresCase) {
  StringList history = {"/a", "/B", "/b"};
  EXPECT_EQ(FindInHistory(history, "/b"), 1);
  EXPECT_EQ(FindInHistory(history, "/c"), -1);
}

}  // namespace
}  // namespace kav
