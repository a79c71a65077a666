#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <map>

#include "platform/DosTime.h"
#include "platform/FileSystem.h"
#include "support/TempTree.h"
#include "support/Unprivileged.h"

namespace kav {
namespace {

using test::TempTree;

std::map<std::string, DirEntry> ListByName(const std::string& dir) {
  std::vector<DirEntry> entries;
  EXPECT_EQ(RealFileSystem().ListDirectory(dir, entries), 0);
  std::map<std::string, DirEntry> byName;
  for (const DirEntry& e : entries) byName[e.Name] = e;
  EXPECT_EQ(byName.size(), entries.size());
  return byName;
}

TEST(PosixFileSystem, ListsEveryKindOfEntry) {
  TempTree tree;
  tree.File("a.txt", "hello");
  tree.Dir("sub");
  tree.Symlink("sub", "linkdir");
  tree.Symlink("a.txt", "linkfile");
  tree.Symlink("missing", "dangling");
  tree.Fifo("pipe");
  auto entries = ListByName(tree.Root());
  ASSERT_EQ(entries.size(), 6u);  // no "." or ".."

  struct Expected {
    std::string name;
    EntryKind kind;
    bool link;
    int64_t size;
  };
  const Expected expected[] = {
      {"a.txt", EntryKind::File, false, 5},       {"sub", EntryKind::Directory, false, 0},
      {"linkdir", EntryKind::Directory, true, 0}, {"linkfile", EntryKind::File, true, 5},
      {"dangling", EntryKind::Other, true, 0},    {"pipe", EntryKind::Other, false, 0},
  };
  for (const Expected& e : expected) {
    ASSERT_EQ(entries.count(e.name), 1u) << e.name;
    const DirEntry& got = entries[e.name];
    EXPECT_EQ(got.Kind, e.kind) << e.name;
    EXPECT_EQ(got.IsLink, e.link) << e.name;
    EXPECT_EQ(got.Size, e.size) << e.name;
  }
  EXPECT_EQ(entries["a.txt"].Stamp, PackDosTime(TempTree::DefaultTime));
  EXPECT_EQ(entries["linkfile"].Stamp, PackDosTime(TempTree::DefaultTime));
}

TEST(PosixFileSystem, ListNamesGivesTheListingsNamesAndKinds) {
  TempTree tree;
  tree.File("a.txt", "hello");
  tree.File(".dot", "1");
  tree.Dir("sub");
  tree.Symlink("sub", "linkdir");
  tree.Symlink("a.txt", "linkfile");
  tree.Symlink("missing", "dangling");
  tree.Fifo("pipe");
  const auto whole = ListByName(tree.Root());
  std::vector<DirEntry> names;
  ASSERT_EQ(RealFileSystem().ListNames(tree.Root(), names), 0);
  ASSERT_EQ(names.size(), whole.size());
  for (const DirEntry& e : names) {
    ASSERT_EQ(whole.count(e.Name), 1u) << e.Name;
    EXPECT_EQ(e.Kind, whole.at(e.Name).Kind) << e.Name;
    EXPECT_EQ(e.IsLink, whole.at(e.Name).IsLink) << e.Name;
  }
  EXPECT_NE(RealFileSystem().ListNames(tree.Path("missing"), names), 0);
}

TEST(PosixFileSystem, NamesDifferingInCaseAreBothListed) {
  TempTree tree;
  tree.File("Read.me", "1");
  tree.File("read.me", "22");
  auto entries = ListByName(tree.Root());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries["Read.me"].Size, 1);
  EXPECT_EQ(entries["read.me"].Size, 2);
}

TEST(PosixFileSystem, SizesBeyondFourGigabytesAreKept) {
  TempTree tree;
  tree.File("big", "");
  const int64_t size = int64_t{5} * 1024 * 1024 * 1024;
  if (::truncate(tree.Path("big").c_str(), size) != 0) GTEST_SKIP() << "no sparse files here";
  EXPECT_EQ(ListByName(tree.Root())["big"].Size, size);
  auto file = RealFileSystem().Open(tree.Path("big")).File;
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Size(), size);
}

TEST(PosixFileSystem, MissingDirectoryListsNothing) {
  TempTree tree;
  std::vector<DirEntry> entries;
  EXPECT_EQ(RealFileSystem().ListDirectory(tree.Path("none"), entries), ENOENT);
  EXPECT_TRUE(entries.empty());
}

TEST(PosixFileSystem, ReadsAFileInBlocksUntilItEnds) {
  TempTree tree;
  tree.SizedFile("data", 10000);
  auto file = RealFileSystem().Open(tree.Path("data")).File;
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->Size(), 10000);
  EXPECT_EQ(file->Stamp(), PackDosTime(TempTree::DefaultTime));
  char buffer[4096];
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 0), 4096);
  EXPECT_EQ(std::string(buffer, 3), "abc");
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 4096), 4096);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 8192), 1808);
  EXPECT_EQ(buffer[1807], static_cast<char>('a' + 9999 % 26));
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 10000), 0);
  EXPECT_EQ(file->ReadAt(buffer, sizeof buffer, 10000), 0);

  // Written to after it was opened: what was added is read too, not cut at the opened size.
  tree.File("grows", "12345");
  auto grows = RealFileSystem().Open(tree.Path("grows")).File;
  ASSERT_NE(grows, nullptr);
  const int fd = ::open(tree.Path("grows").c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, "678", 3), 3);
  ::close(fd);
  EXPECT_EQ(grows->ReadAt(buffer, 2, 0), 2);
  EXPECT_EQ(grows->ReadAt(buffer, sizeof buffer, 2), 6);
  EXPECT_EQ(std::string(buffer, 6), "345678");
}

TEST(PosixFileSystem, OpensOnlyRegularFiles) {
  TempTree tree;
  tree.File("a.txt", "hello");
  tree.Dir("sub");
  tree.Symlink("a.txt", "linkfile");
  tree.Symlink("missing", "dangling");
  const FileSystem& fs = RealFileSystem();
  EXPECT_NE(fs.Open(tree.Path("a.txt")).File, nullptr);
  auto linked = fs.Open(tree.Path("linkfile")).File;
  ASSERT_NE(linked, nullptr);
  EXPECT_EQ(linked->Size(), 5);
  EXPECT_EQ(fs.Open(tree.Path("sub")).Error, NotRegularFile);
  EXPECT_EQ(fs.Open(tree.Path("dangling")).Error, ENOENT);
  EXPECT_EQ(fs.Open(tree.Path("none")).Error, ENOENT);
}

TEST(PosixFileSystem, FifoIsRefusedWithoutBlocking) {
  TempTree tree;
  tree.Fifo("pipe");
  std::string path = tree.Path("pipe");
  auto opened = std::async(std::launch::async,
                           [&path] { return RealFileSystem().Open(path).Error == NotRegularFile; });
  if (opened.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    // Release the blocked open by appearing as a writer, then fail.
    int writer = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    FAIL() << "opening a FIFO blocked";
  }
  EXPECT_TRUE(opened.get());
}

// A file opened on the facts its listing gave is not stated again: those facts stand, and a
// name that has become something else since fails to read or reads on past its listed size,
// so it can never pass for an equal file. Nothing blocks.
TEST(PosixFileSystem, AFileOpenedOnItsListedFactsTakesThemAndNothingElsePassesForIt) {
  TempTree tree;
  tree.File("a.txt", "hello");
  tree.Dir("sub");
  tree.Fifo("pipe");
  const struct {
    std::string dir, name;
    int64_t read;  // what reading the listed size and one block more gives
  } cases[] = {
      {tree.Root(), "a.txt", 5},
      {tree.Root(), "sub", -EISDIR},
      {tree.Root(), "pipe", -ESPIPE},
      {"/dev", "zero", 5 + 4096},
  };
  const FileSystem& fs = RealFileSystem();
  const ListedFile listed{true, true, 5, 1234};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto dir = fs.OpenDirectory(c.dir);
    ASSERT_NE(dir, nullptr);
    OpenedFile opened = fs.OpenIn(dir.get(), c.dir + "/" + c.name, c.dir.size() + 1, listed);
    ASSERT_NE(opened.File, nullptr);
    EXPECT_EQ(opened.File->Size(), 5);
    EXPECT_EQ(opened.File->Stamp(), 1234u);
    char buffer[5 + 4096];
    EXPECT_EQ(opened.File->ReadAt(buffer, sizeof buffer, 0), c.read);
  }
}

TEST(PosixFileSystem, UnreadableFileCannotBeOpened) {
  TempTree tree;
  test::OpenToEveryone(tree.Root());
  tree.File("secret", "x");
  tree.File("locked/a", "x");
  ASSERT_EQ(::chmod(tree.Path("secret").c_str(), 0), 0);
  ASSERT_EQ(::chmod(tree.Path("locked").c_str(), 0), 0);
  test::RunUnprivileged([&tree] {
    EXPECT_EQ(RealFileSystem().Open(tree.Path("secret")).Error, EACCES);
    std::vector<DirEntry> entries;
    EXPECT_EQ(RealFileSystem().ListDirectory(tree.Path("locked"), entries), EACCES);
    EXPECT_TRUE(entries.empty());
  });
  ::chmod(tree.Path("locked").c_str(), 0755);
}

// Stopped early, and stopped with entries already handed to the second thread that states
// them in a large directory.
TEST(PosixFileSystem, APollThatSaysStopEndsTheListingAndAppendsNothing) {
  TempTree tree;
  for (int k = 0; k < 5000; ++k) tree.File("f" + std::to_string(k), "");
  for (const int stopAt : {2, 9}) {
    std::vector<DirEntry> entries(1);
    int polls = 0;
    const ListPoll stop = [&polls, stopAt] { return ++polls < stopAt; };
    EXPECT_EQ(RealFileSystem().ListDirectory(tree.Root(), entries, stop), ECANCELED);
    EXPECT_EQ(polls, stopAt);
    EXPECT_EQ(entries.size(), 1u);  // what was there before stays; nothing is added
    EXPECT_EQ(RealFileSystem().ListDirectory(tree.Root(), entries, [] { return true; }), 0);
    EXPECT_EQ(entries.size(), 5001u);
  }
}

TEST(PosixFileSystem, FifosAndDevicesAreRefusedUnopened) {
  TempTree tree;
  tree.Fifo("pipe");
  for (const char* path : {"/dev/null", "/dev/zero"}) {
    EXPECT_EQ(RealFileSystem().Open(path).Error, NotRegularFile) << path;
  }
  EXPECT_EQ(RealFileSystem().Open(tree.Path("pipe")).Error, NotRegularFile);
}

TEST(PosixFileSystem, StatAndIsDirectoryFollowLinks) {
  TempTree tree;
  tree.File("a.txt", "hello");
  tree.Dir("sub");
  tree.Symlink("sub", "linkdir");
  const FileSystem& fs = RealFileSystem();
  EXPECT_TRUE(fs.IsDirectory(tree.Path("sub")));
  EXPECT_TRUE(fs.IsDirectory(tree.Path("linkdir")));
  EXPECT_FALSE(fs.IsDirectory(tree.Path("a.txt")));
  EXPECT_FALSE(fs.IsDirectory(tree.Path("none")));
  DirEntry entry;
  ASSERT_TRUE(fs.Stat(tree.Path("a.txt"), entry));
  EXPECT_EQ(entry.Kind, EntryKind::File);
  EXPECT_EQ(entry.Size, 5);
  EXPECT_EQ(entry.Stamp, PackDosTime(TempTree::DefaultTime));
  EXPECT_FALSE(fs.Stat(tree.Path("none"), entry));
}

// A directory large enough for its entries to be described by two threads: every entry still
// carries its own facts, whichever thread stated it.
TEST(PosixFileSystem, DescribesEveryEntryOfALargeDirectory) {
  TempTree tree;
  constexpr int Files = 5000;
  for (int k = 0; k < Files; ++k) {
    tree.SizedFile("f" + std::to_string(k), static_cast<std::size_t>(k % 97),
                   TempTree::DefaultTime + 2 * (k % 3));
  }
  tree.Dir("sub");
  tree.Symlink("f7", "link");
  tree.Fifo("pipe");
  auto entries = ListByName(tree.Root());
  ASSERT_EQ(entries.size(), Files + 3u);
  for (int k = 0; k < Files; ++k) {
    const DirEntry& e = entries["f" + std::to_string(k)];
    ASSERT_EQ(e.Kind, EntryKind::File) << k;
    ASSERT_EQ(e.Size, k % 97) << k;
    ASSERT_EQ(e.Stamp, PackDosTime(TempTree::DefaultTime + 2 * (k % 3))) << k;
  }
  EXPECT_EQ(entries["sub"].Kind, EntryKind::Directory);
  EXPECT_EQ(entries["link"].Size, 7);
  EXPECT_TRUE(entries["link"].IsLink);
  EXPECT_EQ(entries["pipe"].Kind, EntryKind::Other);
}

}  // namespace
}  // namespace kav
