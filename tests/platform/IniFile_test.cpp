#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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

TEST(IniFile, AByteOrderMarkAndOtherLinesSurviveEverySave) {
  const std::string mark = "\xEF\xBB\xBF";
  struct Case {
    std::string Before;
    Lines Read;
    std::string After;
  } cases[] = {
      {mark + "[Kavdrift]\r\nTop=5\r\n", {"Top=5"}, mark + "[Kavdrift]\nTop=7\n"},
      {mark, {}, mark + "[Kavdrift]\nTop=7\n"},
      {"junk\r\n[Other]\r\nx=1\r\r\n\r\n[kavdrift]\r\nTop=5\r\n[After]\r\ny\r\n",
       {"Top=5"},
       "junk\r\n[Other]\r\nx=1\r\r\n\r\n[Kavdrift]\nTop=7\n[After]\r\ny\r\n"},
      {"junk\r\r\n[Other]\nx=1\r", {}, "junk\r\r\n[Other]\nx=1\r\n[Kavdrift]\nTop=7\n"},
  };
  for (const Case& c : cases) {
    TempTree tree;
    tree.File("a.ini", c.Before);
    EXPECT_EQ(Section(tree.Path("a.ini"), "Kavdrift"), c.Read) << c.Before;
    for (int save = 0; save < 2; ++save) {
      ASSERT_EQ(WriteIniSection(tree.Path("a.ini"), "Kavdrift", {{"Top", "7"}}), "");
      EXPECT_EQ(Content(tree.Path("a.ini")), c.After) << c.Before << " save " << save;
    }
  }
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
  tree.File("elsewhere/real.ini", "old");
  ASSERT_EQ(::chmod(tree.Path("elsewhere/real.ini").c_str(), 0640), 0);
  tree.Dir("cfg");
  tree.Symlink(tree.Path("elsewhere/real.ini"), "cfg/link.ini");
  ASSERT_EQ(WriteFileAtomically(tree.Path("cfg/link.ini"), "new"), "");
  EXPECT_EQ(Content(tree.Path("elsewhere/real.ini")), "new");
  struct stat st {};
  ASSERT_EQ(::lstat(tree.Path("cfg/link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(::stat(tree.Path("elsewhere/real.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(FilesIn(tree.Path("elsewhere")), 1u);
}

// A character device in the tree where the rights allow making one (the same device as
// /dev/null); otherwise /dev/null itself, whose folder an unprivileged save cannot write.
std::string CharacterDevice(const TempTree& tree) {
  if (::mknod(tree.Path("device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
    return tree.Path("device");
  }
  return "/dev/null";
}

mode_t KindAt(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & S_IFMT;
}

TEST(AtomicFile, ReplacesNothingButARegularFile) {
  TempTree tree;
  tree.Fifo("pipe");
  tree.Dir("folder");
  const std::string device = CharacterDevice(tree);
  const std::string root = std::filesystem::canonical(tree.Root()).string();
  tree.Symlink(device, "to-device.ini");
  tree.Symlink(tree.Path("pipe"), "to-pipe.ini");
  tree.Symlink(tree.Path("to-pipe.ini"), "to-link.ini");
  tree.Symlink(tree.Path("folder"), "to-folder.ini");
  tree.Symlink(tree.Path("missing"), "dangling.ini");
  const std::string links = ", not a regular file; nothing was written";
  struct Case {
    std::string Name;
    std::string Reason;
  } cases[] = {
      {"pipe", "it is a named pipe" + links},
      {"to-device.ini", "it is a link to \"" + std::filesystem::canonical(device).string() +
                            "\", a character device" + links},
      {"to-pipe.ini", "it is a link to \"" + root + "/pipe\", a named pipe" + links},
      {"to-link.ini", "it is a link to \"" + root + "/pipe\", a named pipe" + links},
      {"to-folder.ini", "it is a link to \"" + root + "/folder\", a directory" + links},
      {"dangling.ini", "it is a link to nothing that exists"},
  };
  const std::size_t files = FilesIn(tree.Root());
  for (const Case& c : cases) {
    const std::string path = tree.Path(c.Name);
    const mode_t kind = KindAt(path);
    EXPECT_EQ(WriteFileAtomically(path, "new"), "Cannot write \"" + path + "\": " + c.Reason);
    EXPECT_EQ(KindAt(path), kind) << c.Name;
  }
  EXPECT_EQ(KindAt(device), static_cast<mode_t>(S_IFCHR));
  EXPECT_EQ(KindAt(tree.Path("pipe")), static_cast<mode_t>(S_IFIFO));
  EXPECT_EQ(KindAt(tree.Path("folder")), static_cast<mode_t>(S_IFDIR));
  EXPECT_EQ(FilesIn(tree.Root()), files);
  EXPECT_EQ(FilesIn(tree.Path("folder")), 0u);
}

}  // namespace
}  // namespace kav::test
