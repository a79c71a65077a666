#include "platform/SettingsPath.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempTree.h"

namespace kav::test {
namespace {

TEST(SettingsPath, ChoosesProgramFolderThenConfigFolders) {
  struct Case {
    bool writable;
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {true, "/xdg", "/home/u", "/opt/kav/Kavdrift.ini"},
      {false, "/xdg", "/home/u", "/xdg/Kavdrift.ini"},
      {false, "/xdg/", "/home/u", "/xdg/Kavdrift.ini"},
      {false, nullptr, "/home/u", "/home/u/.config/Kavdrift.ini"},
      {false, "", "/home/u", "/home/u/.config/Kavdrift.ini"},
      {false, "relative", "/home/u", "/home/u/.config/Kavdrift.ini"},
      {false, nullptr, nullptr, "/opt/kav/Kavdrift.ini"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseSettingsPath("/opt/kav", c.writable, c.xdg, c.home), c.expected)
        << c.writable << " " << (c.xdg ? c.xdg : "-");
  }
}

TEST(SettingsPath, RealFolderRule) {
  TempTree tree;
  tree.Dir("prog");
  EXPECT_EQ(SettingsFilePath(tree.Path("prog")), tree.Path("prog/Kavdrift.ini"));
  ASSERT_EQ(::chmod(tree.Path("prog").c_str(), 0555), 0);
  if (::access(tree.Path("prog").c_str(), W_OK) != 0) {
    EXPECT_NE(SettingsFilePath(tree.Path("prog")), tree.Path("prog/Kavdrift.ini"));
  }
  ::chmod(tree.Path("prog").c_str(), 0755);
}

TEST(SettingsPath, EnsureFolderCreatesParents) {
  TempTree tree;
  EXPECT_TRUE(EnsureFolderOf(tree.Path("a/b/c/Kavdrift.ini")));
  struct stat st {};
  EXPECT_EQ(::stat(tree.Path("a/b/c").c_str(), &st), 0);
  tree.File("file", "x");
  EXPECT_FALSE(EnsureFolderOf(tree.Path("file/sub/Kavdrift.ini")));
}

TEST(SettingsPath, ProgramFolderIsTheTestsFolder) {
  const std::string folder = ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_NE(folder.back(), '/');
  struct stat st {};
  EXPECT_EQ(::stat(folder.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
}

}  // namespace
}  // namespace kav::test
