#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

namespace kav::test {
namespace {

using Lines = std::vector<std::string>;

std::string Content(const std::string& path) {
  std::string text;
  EXPECT_TRUE(ReadWholeFile(path, text));
  return text;
}

Lines Section(const std::string& path, std::string_view name) {
  Lines lines;
  EXPECT_TRUE(ReadIniSection(path, name, lines));
  return lines;
}

std::size_t FilesIn(const std::string& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator()));
}

TEST(IniFile, ReadsOneSectionInFileOrderWithoutCaseInName) {
  TempTree tree;
  tree.File("a.ini",
            "[Other]\r\nTop=1\r\n[kavdrift]\r\nTop=5\r\n\r\n; a note\r\nLeft=-3\r\nno equals\r\n"
            "[Third]\nx=y\n");
  EXPECT_EQ(Section(tree.Path("a.ini"), "Kavdrift"), (Lines{"Top=5", "Left=-3", "no equals"}));
  EXPECT_EQ(Section(tree.Path("a.ini"), "Missing"), Lines{});
}

TEST(IniFile, MissingOrSpecialFileIsNotRead) {
  TempTree tree;
  tree.Fifo("pipe.ini");
  tree.Dir("dir.ini");
  for (const char* name : {"none.ini", "pipe.ini", "dir.ini"}) {
    Lines lines;
    EXPECT_FALSE(ReadIniSection(tree.Path(name), "Kavdrift", lines)) << name;
    EXPECT_TRUE(lines.empty());
  }
}

TEST(IniFile, WritingReplacesOnlyItsSection) {
  TempTree tree;
  tree.File("a.ini",
            "; kept\n[Before]\nb=1\n[KAVDRIFT]\nOld=1\nGone=2\n[After]\nc=3\n"
            "[Kavdrift]\nDuplicate=1\n");
  ASSERT_EQ(WriteIniSection(tree.Path("a.ini"), "Kavdrift", {{"Top", "7"}, {"Empty", ""}}), "");
  EXPECT_EQ(Content(tree.Path("a.ini")),
            "; kept\n[Before]\nb=1\n[Kavdrift]\nTop=7\nEmpty=\n[After]\nc=3\n");
}

TEST(IniFile, WritingCreatesTheFile) {
  TempTree tree;
  ASSERT_EQ(WriteIniSection(tree.Path("new.ini"), "Kavdrift", {{"A", "1"}}), "");
  EXPECT_EQ(Content(tree.Path("new.ini")), "[Kavdrift]\nA=1\n");
}

TEST(IniFile, ControlCharactersCannotInjectAKey) {
  TempTree tree;
  const std::string hostile = "/tmp/x\nTop=999\r[Kavdrift]\t\x01\\n end\x7f";
  ASSERT_EQ(WriteIniSection(tree.Path("a.ini"), "Kavdrift", {{"NewDirNm", hostile}, {"Left", "2"}}),
            "");
  const std::string text = Content(tree.Path("a.ini"));
  EXPECT_EQ(text,
            "[Kavdrift]\nNewDirNm=/tmp/x\\nTop=999\\r[Kavdrift]\\t\\x01\\\\n end\\x7F\nLeft=2\n");
  EXPECT_EQ(Section(tree.Path("a.ini"), "Kavdrift"), (Lines{"NewDirNm=" + hostile, "Left=2"}));
}

TEST(IniFile, EscapesRoundTripAndUnknownEscapesStay) {
  const std::string all = [] {
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    return bytes;
  }();
  EXPECT_EQ(UnescapeIniValue(EscapeIniValue(all)), all);
  EXPECT_EQ(UnescapeIniValue("c:\\work\\q \\x4 \\xZZ end\\"), "c:\\work\\q \\x4 \\xZZ end\\");
  EXPECT_EQ(UnescapeIniValue("\\x41\\\\n"), "A\\n");
}

TEST(AtomicFile, FailureLeavesTheOldFileWhole) {
  TempTree tree;
  test::OpenToEveryone(tree.Root());
  tree.File("cfg/a.ini", "[Kavdrift]\nTop=1\n");
  ASSERT_EQ(::chmod(tree.Path("cfg").c_str(), 0555), 0);
  test::RunUnprivileged([&tree] {
    ASSERT_NE(::access(tree.Path("cfg").c_str(), W_OK), 0);
    std::string error = WriteIniSection(tree.Path("cfg/a.ini"), "Kavdrift", {{"Top", "2"}});
    EXPECT_NE(error.find(tree.Path("cfg/a.ini")), std::string::npos) << error;
  });
  ::chmod(tree.Path("cfg").c_str(), 0755);
  EXPECT_EQ(Content(tree.Path("cfg/a.ini")), "[Kavdrift]\nTop=1\n");
  EXPECT_EQ(FilesIn(tree.Path("cfg")), 1u);
}

TEST(AtomicFile, FullDiskLeavesTheOldFileWhole) {
  TempTree tree;
  tree.File("cfg/a.ini", "[Kavdrift]\nTop=1\n");
  // A file size limit makes the write fail part way, as a full disk would.
  struct sigaction ignore {
  }, old{};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGXFSZ, &ignore, &old);
  struct rlimit limit {
  }, saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  limit = saved;
  limit.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::string error =
      WriteIniSection(tree.Path("cfg/a.ini"), "Kavdrift", {{"Top", std::string(500, '9')}});
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::sigaction(SIGXFSZ, &old, nullptr);
  EXPECT_NE(error.find("cfg/a.ini"), std::string::npos) << error;
  EXPECT_EQ(Content(tree.Path("cfg/a.ini")), "[Kavdrift]\nTop=1\n");
  EXPECT_EQ(FilesIn(tree.Path("cfg")), 1u);
}

TEST(AtomicFile, AFolderInTheWayIsReportedAndNothingIsLeft) {
  TempTree tree;
  tree.Dir("cfg/a.ini");
  std::string error = WriteFileAtomically(tree.Path("cfg/a.ini"), "x");
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(FilesIn(tree.Path("cfg")), 1u);
  EXPECT_FALSE(WriteFileAtomically(tree.Path("missing/a.ini"), "x").empty());
}

TEST(AtomicFile, WritesThroughALinkAndKeepsPermissions) {
  TempTree tree;
  tree.File("real.ini", "old");
  ASSERT_EQ(::chmod(tree.Path("real.ini").c_str(), 0640), 0);
  tree.Symlink(tree.Path("real.ini"), "link.ini");
  ASSERT_EQ(WriteFileAtomically(tree.Path("link.ini"), "new"), "");
  EXPECT_EQ(Content(tree.Path("real.ini")), "new");
  struct stat st {};
  ASSERT_EQ(::lstat(tree.Path("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::stat(tree.Path("real.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

}  // namespace
}  // namespace kav::test
