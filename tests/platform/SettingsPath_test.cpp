#include "platform/SettingsPath.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

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

TEST(SettingsPath, InstalledProgramKeepsSettingsInConfigFolder) {
  for (const char* folder : {"/usr/bin", "/usr/bin/", "/usr/local/bin", "/bin", "/usr/games"}) {
    EXPECT_TRUE(IsSystemProgramFolder(folder)) << folder;
  }
  for (const char* folder : {"/usr", "/usr/bin/sub", "/opt/kav", "/home/u/bin", "", "/"}) {
    EXPECT_FALSE(IsSystemProgramFolder(folder)) << folder;
  }
  // Whoever runs the tests, root included, an installed program's settings go to the user's
  // configuration folder.
  TempTree tree;
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  const std::string savedValue = saved ? saved : "";
  ::setenv("XDG_CONFIG_HOME", tree.Path("config").c_str(), 1);
  EXPECT_EQ(SettingsFilePath("/usr/bin"), tree.Path("config/Kavdrift.ini"));
  if (saved)
    ::setenv("XDG_CONFIG_HOME", savedValue.c_str(), 1);
  else
    ::unsetenv("XDG_CONFIG_HOME");
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
