#include "platform/PairReadAhead.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "support/TempTree.h"

namespace kav::test {
namespace {

// The real file system, counting the reads of every file it opened (from any thread).
class CountingFileSystem final : public FileSystem {
 public:
  int ListDirectory(const std::string& dir, std::vector<DirEntry>& out,
                    const ListPoll& poll) const override {
    return RealFileSystem().ListDirectory(dir, out, poll);
  }
  bool IsDirectory(const std::string& path) const override {
    return RealFileSystem().IsDirectory(path);
  }
  bool Stat(const std::string& path, DirEntry& out) const override {
    return RealFileSystem().Stat(path, out);
  }
  OpenedFile Open(const std::string& path) const override {
    OpenedFile opened = RealFileSystem().Open(path);
    if (opened.File != nullptr)
      opened.File = std::make_unique<Counted>(std::move(opened.File), reads);
    return opened;
  }
  mutable std::atomic<int> reads{0};

 private:
  class Counted final : public InputFile {
   public:
    Counted(std::unique_ptr<InputFile> inner, std::atomic<int>& reads)
        : inner_(std::move(inner)), reads_(reads) {}
    int64_t ReadAt(char* buffer, std::size_t count, int64_t offset) override {
      ++reads_;
      return inner_->ReadAt(buffer, count, offset);
    }
    int64_t Size() const override { return inner_->Size(); }
    uint32_t Stamp() const override { return inner_->Stamp(); }

   private:
    std::unique_ptr<InputFile> inner_;
    std::atomic<int>& reads_;
  };
};

// Whatever thread opens a pair, its bytes are read only when the comparison will need them.
TEST(PairReadAhead, ReadsAheadOnlyWhatTheComparisonWillRead) {
  struct Case {
    const char* name;
    std::size_t oldSize;
    std::time_t oldTime;
    PairReadAhead::ReadWhen when;
    bool veqf;
    bool read;
  } cases[] = {
      {"sizes differ", 6000, TempTree::DefaultTime, PairReadAhead::ReadWhen::BytesNeeded, true,
       false},
      {"size and stamp equal", 5000, TempTree::DefaultTime, PairReadAhead::ReadWhen::BytesNeeded,
       false, false},
      {"size and stamp equal, Veqf", 5000, TempTree::DefaultTime,
       PairReadAhead::ReadWhen::BytesNeeded, true, true},
      {"stamps differ", 5000, TempTree::DefaultTime + 60, PairReadAhead::ReadWhen::BytesNeeded,
       false, true},
      {"decided by the caller", 6000, TempTree::DefaultTime, PairReadAhead::ReadWhen::Always, false,
       true},
      {"open only", 5000, TempTree::DefaultTime, PairReadAhead::ReadWhen::Never, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempTree tree;
    tree.SizedFile("new/f", 5000);
    tree.SizedFile("old/f", c.oldSize, c.oldTime);
    CountingFileSystem fs;
    PairReadAhead::Pair pair;
    {
      PairReadAhead ahead(fs, 1);
      for (int k = 0; k < 5; ++k) {
        ahead.Submit({tree.Path("new/f"), tree.Path("old/f"), -1, -1, c.when, c.veqf});
      }
      pair = ahead.Take();
    }  // the other four are read, or dropped, before this
    EXPECT_EQ(fs.reads > 0, c.read);
    EXPECT_EQ(pair.New.Source.has_value(), c.read);
    EXPECT_EQ(pair.Old.Source.has_value(), c.read);
    EXPECT_TRUE(pair.New.Opened());
    EXPECT_EQ(pair.Old.Size, static_cast<int64_t>(c.oldSize));
  }
}

TEST(PairReadAhead, AFailedNewSideLeavesTheOldSideUnopened) {
  TempTree tree;
  tree.SizedFile("old/f", 10);
  CountingFileSystem fs;
  PairReadAhead ahead(fs, 1);
  ahead.Submit({tree.Path("new/missing"), tree.Path("old/f")});
  PairReadAhead::Pair pair = ahead.Take();
  EXPECT_EQ(pair.New.Error, ENOENT);
  EXPECT_EQ(pair.Old.Error, 0);
  EXPECT_EQ(pair.Old.File, nullptr);
  EXPECT_FALSE(pair.Old.Source.has_value());
}

}  // namespace
}  // namespace kav::test
