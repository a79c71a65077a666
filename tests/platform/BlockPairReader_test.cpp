#include "platform/BlockPairReader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/CompareFixture.h"

namespace kav::test {
namespace {

struct Counts {
  int64_t newCount, oldCount;
  bool same;
  bool operator==(const Counts&) const = default;
};

std::vector<Counts> ReadAll(const FileSystem& fs, const std::string& a, const std::string& b) {
  auto newFile = fs.Open(a).File;
  auto oldFile = fs.Open(b).File;
  BlockPairReader reader(*newFile, newFile->Size(), *oldFile, oldFile->Size());
  std::vector<Counts> steps;
  for (int guard = 0; guard < 1000; ++guard) {
    BlockPairReader::Step s = reader.Next();
    steps.push_back({s.NewCount, s.OldCount, s.Same});
    if (s.NewCount <= 0 && s.OldCount <= 0) break;
  }
  return steps;
}

TEST(BlockPairReader, YieldsWholeBlocksAcrossChunksWhateverTheBufferSizes) {
  CompareFixture f;
  const std::size_t big = BlockPairReader::ChunkSize + 5000;  // New: more than one chunk
  f.tree.SizedFile("new/f", big);
  f.tree.SizedFile("old/f", 4096 * 2 + 10);  // Old: a two-block buffer
  auto steps = ReadAll(f.fs, f.NewFile("f"), f.OldFile("f"));
  ASSERT_GE(steps.size(), 4u);
  EXPECT_EQ(steps[0], (Counts{4096, 4096, true}));
  EXPECT_EQ(steps[1], (Counts{4096, 4096, true}));
  EXPECT_EQ(steps[2], (Counts{4096, 10, false}));
  EXPECT_EQ(steps[3], (Counts{4096, 0, false}));
}

TEST(BlockPairReader, AShortReadIsTheEndAndIsNotReadAgain) {
  CompareFixture f;
  f.tree.File("new/f", "abc");
  f.tree.File("old/f", "abc");
  f.fs.FailReadAt(f.NewFile("f"), 2);  // a second read would fail
  auto steps = ReadAll(f.fs, f.NewFile("f"), f.OldFile("f"));
  EXPECT_EQ(steps, (std::vector<Counts>{{3, 3, true}, {0, 0, false}}));
}

TEST(BlockPairReader, AFailedReadStaysFailed) {
  CompareFixture f;
  f.tree.SizedFile("new/f", 100);
  f.tree.SizedFile("old/f", 100);
  f.fs.FailReadAt(f.OldFile("f"), 1);
  auto newFile = f.fs.Open(f.NewFile("f")).File;
  auto oldFile = f.fs.Open(f.OldFile("f")).File;
  BlockPairReader reader(*newFile, 100, *oldFile, 100);
  BlockPairReader::Step first = reader.Next();
  EXPECT_EQ(first.NewCount, 100);
  EXPECT_EQ(first.OldCount, -EIO);
  EXPECT_FALSE(first.Same);
  EXPECT_EQ(reader.Next().OldCount, -EIO);
}

// Both files hold 100000 equal bytes; only the listed sizes vary.
TEST(BlockPairReader, ReadsNoFurtherThanTheListedSizePlusOneBlock) {
  CompareFixture f;
  f.tree.SizedFile("new/f", 100000);
  f.tree.SizedFile("old/f", 100000);
  for (int64_t listed : {int64_t{100000}, int64_t{0}, int64_t{4096}, int64_t{50000},
                         int64_t{100001}, int64_t{300000}}) {
    SCOPED_TRACE(listed);
    auto newFile = f.fs.Open(f.NewFile("f")).File;
    auto oldFile = f.fs.Open(f.OldFile("f")).File;
    BlockPairReader reader(*newFile, listed, *oldFile, listed);
    int64_t handedOut = 0;
    bool changed = false;
    for (BlockPairReader::Step s = reader.Next(); s.NewCount > 0; s = reader.Next()) {
      EXPECT_TRUE(s.Same);
      handedOut += s.NewCount;
      changed = s.LengthChanged;
    }
    changed = changed || reader.Next().LengthChanged;
    EXPECT_EQ(changed, listed != 100000);
    EXPECT_LE(handedOut, listed + 4096);
  }
}

// A length that differs from the listing on either side alone changes the pair.
TEST(BlockPairReader, EitherSideAloneCanSayItsLengthChanged) {
  CompareFixture f;
  f.tree.SizedFile("new/f", 10000);
  f.tree.SizedFile("old/f", 10000);
  for (bool oldSide : {false, true}) {
    SCOPED_TRACE(oldSide);
    auto newFile = f.fs.Open(f.NewFile("f")).File;
    auto oldFile = f.fs.Open(f.OldFile("f")).File;
    BlockPairReader reader(*newFile, oldSide ? 10000 : 20000, *oldFile, oldSide ? 20000 : 10000);
    bool changed = false;
    for (int guard = 0; guard < 10 && !changed; ++guard) changed = reader.Next().LengthChanged;
    EXPECT_TRUE(changed);
  }
}

}  // namespace
}  // namespace kav::test
