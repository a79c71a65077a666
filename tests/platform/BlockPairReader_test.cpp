#include "platform/BlockPairReader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "platform/ReadWorkers.h"
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

// A file whose read at one offset fails, as a bad sector would.
class FailsAt final : public InputFile {
 public:
  FailsAt(std::unique_ptr<InputFile> inner, int64_t at) : inner_(std::move(inner)), at_(at) {}
  int64_t ReadAt(char* buffer, std::size_t count, int64_t offset) override {
    return offset == at_ ? -EIO : inner_->ReadAt(buffer, count, offset);
  }
  int64_t Size() const override { return inner_->Size(); }
  uint32_t Stamp() const override { return inner_->Stamp(); }

 private:
  std::unique_ptr<InputFile> inner_;
  int64_t at_;
};

using Steps = std::vector<std::tuple<int64_t, int64_t, bool, bool>>;

Steps ReadWith(InputFile& newFile, InputFile& oldFile, int64_t listed, ReadHelp help) {
  BlockPairReader reader(BlockSource(newFile, listed), BlockSource(oldFile, listed),
                         std::move(help));
  Steps steps;
  for (int guard = 0; guard < 4000; ++guard) {
    const BlockPairReader::Step s = reader.Next();
    steps.emplace_back(s.NewCount, s.OldCount, s.Same, s.LengthChanged);
    if (s.NewCount <= 0 && s.OldCount <= 0) break;
  }
  return steps;
}

// A large pair read on in chunk pairs by workers (or, without threads, by the reader's own
// thread through the same hand-over) yields exactly the blocks one thread reading both gives:
// block by block, through differences, files that are shorter or longer than listed and
// failed reads.
TEST(BlockPairReader, ChunkPairsYieldTheBlocksOneThreadReads) {
  constexpr int64_t C = BlockPairReader::ChunkSize;
  struct Case {
    const char* name;
    int64_t newSize, oldSize, listed;
    int64_t flipNewAt;    // -1: no byte changed
    int64_t failOldAt;    // -1: no read fails
    int64_t firstUnlike;  // the first block not Same (-1: all are)
  };
  const Case cases[] = {
      {"five whole chunks", 5 * C, 5 * C, 5 * C, -1, -1, -1},
      {"a byte past a chunk", 5 * C + 1, 5 * C + 1, 5 * C + 1, -1, -1, -1},
      {"a chunk pair's first byte", 6 * C - 100, 6 * C - 100, 6 * C - 100, 3 * C, -1, 192},
      {"the last byte", 5 * C + 7, 5 * C + 7, 5 * C + 7, 5 * C + 6, -1, 320},
      {"in the first chunk", 5 * C, 5 * C, 5 * C, 100, -1, 0},
      {"New shorter than listed", 4 * C + 10, 5 * C, 5 * C, -1, -1, 256},
      {"Old longer than listed", 5 * C, 5 * C + 9000, 5 * C, -1, -1, 320},
      {"Old fails mid-way", 5 * C, 5 * C, 5 * C, -1, 3 * C, 192},
      {"Old fails past the listed end", 5 * C, 5 * C, 5 * C, -1, 5 * C, 320},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CompareFixture f;
    std::string content(static_cast<std::size_t>(std::max(c.newSize, c.oldSize)), '\0');
    for (std::size_t i = 0; i < content.size(); ++i)
      content[i] = static_cast<char>(i * 131 + i / 4096);
    std::string newContent = content.substr(0, static_cast<std::size_t>(c.newSize));
    if (c.flipNewAt >= 0) newContent[static_cast<std::size_t>(c.flipNewAt)] ^= 0x5A;
    f.tree.File("new/f", newContent);
    f.tree.File("old/f", content.substr(0, static_cast<std::size_t>(c.oldSize)));
    auto open = [&](const std::string& path, int64_t failAt) -> std::unique_ptr<InputFile> {
      return std::make_unique<FailsAt>(f.fs.Open(path).File, failAt);
    };
    const auto newFile = open(f.NewFile("f"), -1);
    const auto oldFile = open(f.OldFile("f"), c.failOldAt);
    const Steps alone = ReadWith(*newFile, *oldFile, c.listed, {});
    int64_t firstUnlike = -1;
    for (std::size_t k = 0; k < alone.size() && firstUnlike < 0; ++k) {
      if (!std::get<2>(alone[k])) firstUnlike = static_cast<int64_t>(k);
    }
    EXPECT_EQ(firstUnlike,
              c.firstUnlike == -1 ? static_cast<int64_t>(alone.size()) - 1 : c.firstUnlike);
    if (c.failOldAt >= 0) {
      EXPECT_EQ(std::get<1>(alone[static_cast<std::size_t>(c.failOldAt / 4096)]), -EIO);
    }
    for (std::size_t threads : {0u, 1u}) {
      SCOPED_TRACE(threads);
      ReadWorkers workers(threads);
      EXPECT_EQ(ReadWith(*newFile, *oldFile, c.listed, ReadHelp{&workers, nullptr}), alone);
    }
  }
}

}  // namespace
}  // namespace kav::test
