#include "platform/LongPath.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/DeepTree.h"
#include "support/TempTree.h"

namespace kav {
namespace {

using test::DeepTree;
using test::TempTree;

TEST(ResolvedPath, UsesAShortPathAsItIs) {
  const std::string path = "/usr/bin";
  ResolvedPath where(path);
  EXPECT_TRUE(where.Ok());
  EXPECT_EQ(where.DirFd(), AT_FDCWD);
  EXPECT_EQ(where.Name(), path.c_str());
  const std::string empty;
  EXPECT_STREQ(ResolvedPath(empty).Name(), ".");
}

TEST(ResolvedPath, ReachesBelowThePathLimit) {
  TempTree tree;
  DeepTree deep(tree.Root(), 24, 200, "leaf", "twelve bytes", TempTree::DefaultTime);
  const std::string path = tree.Root() + deep.Relative();
  ASSERT_GT(path.size(), 4096u);
  struct stat st {};
  EXPECT_NE(::stat(path.c_str(), &st), 0);  // the kernel refuses it in one piece
  ResolvedPath where(path);
  ASSERT_TRUE(where.Ok());
  EXPECT_NE(where.DirFd(), AT_FDCWD);
  ASSERT_EQ(::fstatat(where.DirFd(), where.Name(), &st, 0), 0);
  EXPECT_EQ(st.st_size, 12);
  EXPECT_FALSE(ResolvedPath(tree.Root() + "/missing" + deep.Relative()).Ok());
}

TEST(ResolvedPath, TheFileSystemWorksOnDeepPaths) {
  TempTree tree;
  DeepTree deep(tree.Root(), 24, 200, "leaf", "twelve bytes", TempTree::DefaultTime);
  const std::string file = tree.Root() + deep.Relative();
  const std::string dir = file.substr(0, file.rfind('/'));
  const FileSystem& fs = RealFileSystem();
  EXPECT_TRUE(fs.IsDirectory(dir));
  EXPECT_TRUE(fs.IsDirectory(dir + "/"));
  DirEntry facts;
  ASSERT_TRUE(fs.Stat(file, facts));
  EXPECT_EQ(facts.Size, 12);
  std::vector<DirEntry> entries;
  ASSERT_EQ(fs.ListDirectory(dir, entries), 0);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Name, "leaf");
  auto input = fs.Open(file).File;
  ASSERT_NE(input, nullptr);
  char buffer[32];
  EXPECT_EQ(input->ReadAt(buffer, sizeof buffer, 0), 12);
  EXPECT_EQ(std::string(buffer, 12), "twelve bytes");
}

}  // namespace
}  // namespace kav
