#include "compare/FileCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/CompareFixture.h"

namespace kav::test {
namespace {

// One pair taken through the comparison steps as the compare section takes it.
struct PairRun : CompareFixture {
  CompareRecords records;

  PairRun() {
    state.NewDirName = tree.Path("new") + "/";
    state.OldDirName = tree.Path("old") + "/";
  }
  void Prepare(const std::string& newName, const std::string& oldName) {
    state.Names.PairedNewNames = {newName};
    state.Names.PairedOldNames = {oldName};
    state.PairCount = 1;
    records.CurrentPairIndex = 0;
    PrepareFilePair(ctx, records);
  }
  void Run(const std::string& newName, const std::string& oldName) {
    Prepare(newName, oldName);
    if (records.Status.ReturnCode == EqualReturnCode) CompareFilePair(ctx, records);
  }
  int Blocks() const { return host.eventPumps - 1; }  // one pump before the blocks
  bool ShowedFileProgress() const {
    return std::count(host.calls.begin(), host.calls.end(), "text MnTitleProgBar=File Progress") >
           0;
  }
};

// A function, not a constant: TempTree::DefaultTime is set by another file's initialiser, which
// may run after this file's.
std::time_t Later() {
  return TempTree::DefaultTime + 3600;
}

// One read finds the end: a file of size 0 may still have content.
TEST(CompareFilePair, TwoEmptyFilesAreEqualAfterOneEmptyRead) {
  PairRun r;
  r.state.Options.OptVeqf = true;
  r.tree.File("new/e", "");
  r.tree.File("old/e", "", Later());
  r.Run("e", "e");
  EXPECT_EQ(r.records.Status.ReturnCode, 0);
  EXPECT_FALSE(r.records.Status.Differs);
  EXPECT_EQ(r.Blocks(), 1);
  EXPECT_EQ(r.host.LastStatus(), "Comparing Data Files Tot Files(1) Current File (0)");
}

TEST(CompareFilePair, ADifferentLastByteIsFoundInTheLastBlock) {
  PairRun r;
  r.state.Options.OptVeqf = true;
  r.tree.SizedFile("new/f", 10000);
  r.tree.SizedFile("old/f", 10000, TempTree::DefaultTime, '#');
  r.Run("f", "f");
  EXPECT_EQ(r.records.Status.ReturnCode, 1);
  EXPECT_TRUE(r.records.Status.Differs);
  EXPECT_EQ(r.Blocks(), 3);
}

TEST(CompareFilePair, SizesThatDifferAreDifferentWithoutARead) {
  PairRun r;
  r.tree.SizedFile("new/f", 100);
  r.tree.SizedFile("old/f", 101);
  r.Run("f", "f");
  EXPECT_EQ(r.records.Status.ReturnCode, 1);
  EXPECT_EQ(r.Blocks(), 0);
}

TEST(CompareFilePair, EqualSizeAndStampCountAsEqualUnlessVeqf) {
  for (bool veqf : {false, true}) {
    PairRun r;
    r.state.Options.OptVeqf = veqf;
    r.tree.File("new/f", "same size A");
    r.tree.File("old/f", "same size B");
    r.Run("f", "f");
    EXPECT_EQ(r.records.Status.ReturnCode, veqf ? 1 : 0) << veqf;
    EXPECT_EQ(r.records.Status.EqualByStamp, !veqf);
    EXPECT_EQ(r.records.FileResults[0].EqualByStamp, !veqf);
    EXPECT_EQ(r.records.Totals.EqualStampCount, veqf ? 0 : 1);
    EXPECT_EQ(r.Blocks(), veqf ? 1 : 0);
  }
}

TEST(CompareFilePair, OnlyFilesAboveFourMillionBytesShowFileProgress) {
  for (std::size_t size : {std::size_t{4000000}, std::size_t{4000001}}) {
    PairRun r;
    r.state.Options.OptVeqf = true;
    r.tree.SizedFile("new/big", size);
    r.tree.SizedFile("old/big", size);
    r.Run("big", "big");
    EXPECT_EQ(r.records.Status.ReturnCode, 0);
    EXPECT_EQ(r.ShowedFileProgress(), size > 4000000) << size;
    EXPECT_EQ(r.Blocks(), static_cast<int>((size + 4095) / 4096 + 1));  // a last read finds the end
    if (size > 4000000) {
      EXPECT_EQ(r.host.progress.back(), 100);
    }
  }
}

// The sizes taken when the pair was opened bound the reading: a file that is longer or shorter
// when it is read is changed, even when both sides changed alike.
TEST(CompareFilePair, AFileWhoseLengthChangedSinceItWasSizedIsChanged) {
  struct Case {
    const char* name;
    std::size_t size;
    std::uintmax_t sizeWhenRead;
  } cases[] = {
      {"grown by a byte", 8192, 8193},
      {"grown by many blocks", 100, 1000000},
      {"shrunk", 10000, 5000},
      {"empty, then grown", 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PairRun r;
    r.state.Options.OptVeqf = true;
    r.tree.SizedFile("new/f", c.size);
    r.tree.SizedFile("old/f", c.size);
    r.Prepare("f", "f");
    std::filesystem::resize_file(r.NewFile("f"), c.sizeWhenRead);
    std::filesystem::resize_file(r.OldFile("f"), c.sizeWhenRead);
    CompareFilePair(r.ctx, r.records);
    EXPECT_TRUE(r.records.Status.Differs);
    EXPECT_EQ(r.records.Status.ReturnCode, 1);
    EXPECT_LE(r.Blocks(), static_cast<int>(c.size / 4096 + 2));
  }
}

// Size 0 and content without end: one block shows that it is not empty.
TEST(CompareFilePair, LinksToAnEndlessProcFileAreChangedAfterOneBlock) {
  PairRun r;
  r.state.Options.OptVeqf = true;
  r.tree.Symlink("/proc/self/pagemap", "new/p");
  r.tree.Symlink("/proc/self/pagemap", "old/p");
  r.Run("p", "p");
  EXPECT_EQ(r.records.New.Size, 0);
  EXPECT_TRUE(r.records.Status.Differs);
  EXPECT_EQ(r.records.Status.ReturnCode, 1);
  EXPECT_EQ(r.Blocks(), 1);
}

TEST(CompareFilePair, HaltStopsWithinOneBlock) {
  PairRun r;
  r.state.Options.OptVeqf = true;
  r.tree.SizedFile("new/big", 4096 * 50);
  r.tree.SizedFile("old/big", 4096 * 50);
  r.host.onPendingEvents = [&] {
    if (r.host.eventPumps == 4) r.state.HaltRequested = true;
  };
  r.Run("big", "big");
  EXPECT_EQ(r.Blocks(), 3);
  EXPECT_FALSE(r.records.Status.Differs);
}

TEST(CompareFilePair, AFailedReadIsAnErrorNeverTheEndOfAFile) {
  const std::size_t size = 300000;  // two reads of the underlying chunks
  struct Case {
    bool failNew, failOld;
  } cases[] = {{true, false}, {false, true}, {true, true}};
  for (const Case& c : cases) {
    PairRun r;
    r.state.Options.OptVeqf = true;
    r.tree.SizedFile("new/f", size);
    r.tree.SizedFile("old/f", size);
    if (c.failNew) r.fs.FailReadAt(r.NewFile("f"), 2);
    if (c.failOld) r.fs.FailReadAt(r.OldFile("f"), 2);
    r.Run("f", "f");
    EXPECT_EQ(r.records.Status.ReturnCode, 2);
    EXPECT_FALSE(r.records.Status.Differs);
    EXPECT_FALSE(r.records.Totals.OpenError);
  }
}

TEST(PrepareFilePair, UnopenableFilesAreOpenErrors) {
  PairRun r;
  r.tree.File("new/f", "");
  r.tree.Fifo("old/f");  // sizes equal, stamps differ: its bytes are needed, and never read
  r.Run("f", "f");
  EXPECT_EQ(r.records.Status.ReturnCode, 2);
  EXPECT_TRUE(r.records.Totals.OpenError);

  PairRun missing;
  missing.tree.File("new/f", "x");
  missing.Run("f", "f");
  EXPECT_EQ(missing.records.Status.ReturnCode, 2);
  EXPECT_TRUE(missing.records.Totals.OpenError);

  PairRun refused;
  refused.tree.File("new/f", "x");
  refused.tree.File("old/f", "x");
  refused.fs.FailOpen(refused.NewFile("f"));
  refused.Run("f", "f");
  EXPECT_TRUE(refused.records.Totals.OpenError);
  EXPECT_EQ(refused.records.FileResults.size(), 1u);
}

TEST(PrepareFilePair, TwoGigabytesOrMoreAreRefusedWithAMessage) {
  struct Case {
    std::uintmax_t size;
    bool onNewSide;
    bool tooLarge;
  } cases[] = {
      {2147483647u, true, false},
      {2147483648u, true, true},
      {2147483648u, false, true},
      {5368709120u, true, true},  // 5 GB: its low 32 bits alone would look small
  };
  for (const Case& c : cases) {
    PairRun r;
    r.tree.File("new/f", "");
    r.tree.File("old/f", "");
    const std::string big = c.onNewSide ? r.NewFile("f") : r.OldFile("f");
    std::filesystem::resize_file(big, c.size);  // sparse: no disk is used
    r.state.Names.PairedNewNames = {"f"};
    r.state.Names.PairedOldNames = {"f"};
    PrepareFilePair(r.ctx, r.records);
    EXPECT_EQ(r.records.Totals.TooLarge, c.tooLarge) << c.size;
    if (!c.tooLarge) {
      EXPECT_TRUE(r.host.messages.empty());
      continue;
    }
    EXPECT_EQ(r.records.Status.ReturnCode, 2);
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0], std::string("Error - ") + (c.onNewSide ? "New" : "Old") +
                                      " Input File \"" + big + "\" GT 2GB can not be processed.");
  }
}

TEST(CompareFilePair, PathsLongerThan255CharactersAreUsedWhole) {
  PairRun r;
  const std::string level(100, 'd');
  const std::string deep = level + "/" + level + "/" + level;
  r.tree.File("new/" + deep + "/f", "content");
  r.tree.File("old/" + deep + "/f", "content", Later());
  r.state.NewDirName = r.tree.Path("new/" + deep) + "/";
  r.state.OldDirName = r.tree.Path("old/" + deep) + "/";
  r.state.Options.OptVeqf = true;
  r.Run("f", "f");
  EXPECT_GT(r.records.New.Path.size(), 300u);
  EXPECT_FALSE(r.records.Totals.OpenError);
  EXPECT_EQ(r.records.Status.ReturnCode, 0);
  EXPECT_EQ(r.Blocks(), 2);
}

TEST(RecordPairResult, CountsThePairIntoTheTotals) {
  PairRun r;
  r.tree.File("new/f", "12345");
  r.tree.File("old/f", "1234");
  r.Run("f", "f");
  RecordPairResult(r.records);
  const FileResult& result = r.records.FileResults[0];
  EXPECT_TRUE(result.Processed);
  EXPECT_TRUE(result.Changed);
  EXPECT_EQ(result.NewSize, 5);
  EXPECT_EQ(result.OldSize, 4);
  EXPECT_NE(result.NewStamp, 0u);
  EXPECT_EQ(r.records.Totals.ChangedCount, 1);
  EXPECT_EQ(r.records.Totals.ProcessedCount, 1);
  EXPECT_EQ(r.records.Totals.NewBytesProcessed, 5);
  EXPECT_EQ(r.records.Totals.OldBytesProcessed, 4);
  EXPECT_EQ(r.records.Totals.MaxReturnCode, 1);
  ClosePair(r.records);
  EXPECT_EQ(r.records.New.Stream, nullptr);
}

// A FIFO (New side) against an Old entry: judged by size and stamp without being opened, and
// an error, named in the run's failures, only when its bytes would be needed.
TEST(PrepareFilePair, AFifoIsNeverOpenedAndIsAnErrorOnlyWhenItsBytesAreNeeded) {
  struct Case {
    const char* name;
    bool veqf;
    bool oldIsFifo;
    const char* oldContent;
    bool sameTime;
    int32_t code;
    bool equalByStamp;
    std::size_t failures;
  };
  const Case cases[] = {
      {"two FIFOs, same stamp", false, true, "", true, 0, true, 0},
      {"two FIFOs under Veqf", true, true, "", true, 2, false, 2},
      {"FIFO and an empty file, other stamps", false, false, "", false, 2, false, 1},
      {"FIFO and a longer file", false, false, "abc", true, 1, false, 0},
  };
  for (const Case& c : cases) {
    PairRun r;
    r.state.Options.OptVeqf = c.veqf;
    r.tree.Fifo("new/f");
    r.tree.SetTime("new/f", TempTree::DefaultTime);
    if (c.oldIsFifo) {
      r.tree.Fifo("old/f");
    } else {
      r.tree.File("old/f", c.oldContent);
    }
    r.tree.SetTime("old/f", c.sameTime ? TempTree::DefaultTime : Later());
    r.Run("f", "f");
    EXPECT_EQ(r.records.Status.ReturnCode, c.code) << c.name;
    EXPECT_EQ(r.records.Status.EqualByStamp, c.equalByStamp) << c.name;
    ASSERT_EQ(r.state.IoFailures.size(), c.failures) << c.name;
    if (c.failures > 0) {
      EXPECT_EQ(IoErrorText(r.state.IoFailures[0]), r.NewFile("f") + ": Not a regular file");
    }
  }
}

// A listed file that is a directory by the time it is compared is an error, not a file of
// size 0 that differs.
TEST(PrepareFilePair, AFileThatBecameADirectoryIsAnError) {
  PairRun r;
  r.tree.Dir("new/f");
  r.tree.File("old/f", "abc");
  r.Run("f", "f");
  EXPECT_EQ(r.records.Status.ReturnCode, 2);
  ASSERT_EQ(r.state.IoFailures.size(), 1u);
  EXPECT_EQ(IoErrorText(r.state.IoFailures[0]), r.NewFile("f") + ": Not a regular file");
}

}  // namespace
}  // namespace kav::test
