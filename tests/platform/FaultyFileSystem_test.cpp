#include "platform/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/TempTree.h"

namespace kav {
namespace {

using test::TempTree;

class FaultyFileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.SizedFile("a.bin", 10000);
    tree.File("b.txt", "hello");
  }
  TempTree tree;
  FaultyFileSystem faulty{RealFileSystem()};
  char buffer[4096] = {};
};

TEST_F(FaultyFileSystemTest, FailsOnlyTheNamedOpen) {
  faulty.FailOpen(tree.Path("a.bin"));
  EXPECT_EQ(faulty.Open(tree.Path("a.bin")).Error, EACCES);
  auto other = faulty.Open(tree.Path("b.txt")).File;
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->ReadAt(buffer, sizeof buffer, 0), 5);
}

TEST_F(FaultyFileSystemTest, FailsTheNamedReadAndNoOther) {
  faulty.FailReadAt(tree.Path("a.bin"), 2);
  auto file = faulty.Open(tree.Path("a.bin")).File;
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Size(), 10000);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 0), 4096);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 4096), -EIO);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 4096), 4096);  // the fault hits one read only
}

TEST_F(FaultyFileSystemTest, FirstReadCanFail) {
  faulty.FailReadAt(tree.Path("b.txt"), 1);
  auto file = faulty.Open(tree.Path("b.txt")).File;
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 0), -EIO);
}

TEST_F(FaultyFileSystemTest, ReadFaultOnAMissingFileStillGivesNoFile) {
  faulty.FailReadAt(tree.Path("missing"), 1);
  EXPECT_EQ(faulty.Open(tree.Path("missing")).Error, ENOENT);
}

TEST_F(FaultyFileSystemTest, FailsTheNamedListingAndPassesOthers) {
  tree.Dir("sub");
  faulty.FailList(tree.Path("sub"));
  std::vector<DirEntry> entries;
  EXPECT_EQ(faulty.ListDirectory(tree.Path("sub"), entries), EIO);
  EXPECT_TRUE(entries.empty());
  EXPECT_EQ(faulty.ListDirectory(tree.Root(), entries), 0);
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_TRUE(faulty.IsDirectory(tree.Path("sub")));
}

}  // namespace
}  // namespace kav
