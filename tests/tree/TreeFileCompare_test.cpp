#include "tree/TreeFileCompare.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/FaultyFileSystem.h"
#include "support/DeepTree.h"
#include "support/TreeRunFixture.h"
#include "tree/TreeScan.h"

namespace kav {
namespace {

using test::DirOf;
using test::TempTree;
using test::TreeRun;

// Scans the New and Old sides of one temporary tree; records 1.. are the files.
struct ComparePair {
  TempTree tree;
  TreeRun run;
  TreeNodeList& news = run.state.NewTreeNodes;
  TreeNodeList& olds = run.state.OldTreeNodes;

  void Scan() {
    RunContext ctx = run.Context();
    ScanTree(ctx, news, DirOf(tree, "New"));
    ScanTree(ctx, olds, DirOf(tree, "Old"));
    run.host = test::RecordingHost();  // count only what the comparisons ask of the window
  }
  int Compare(std::size_t k = 1) {
    RunContext ctx = run.Context();
    return CompareTreeFiles(ctx, *news.at(k), *olds.at(k));
  }
  int Decide(std::size_t k = 1) {
    RunContext ctx = run.Context();
    return DecideFilePair(ctx, *news.at(k), *olds.at(k));
  }
};

TEST(CompareTreeFiles, ReadsBlocksUntilTheFirstDifference) {
  struct Case {
    const char* name;
    std::size_t newSize, oldSize;
    int newLast, oldLast;
    int expected;
  };
  const Case cases[] = {
      {"empty files", 0, 0, -1, -1, CompareEqual},
      {"one short block", 100, 100, -1, -1, CompareEqual},
      {"many blocks", 300000, 300000, -1, -1, CompareEqual},
      {"last byte differs", 300000, 300000, 'X', 'Y', CompareDifferent},
      {"first block differs", 10, 10, 'X', 'Y', CompareDifferent},
      {"New is a prefix", 8192, 8193, -1, -1, CompareDifferent},
      {"Old is a prefix", 4097, 4096, -1, -1, CompareDifferent},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ComparePair pair;
    pair.tree.SizedFile("New/f", c.newSize, TempTree::DefaultTime, c.newLast);
    pair.tree.SizedFile("Old/f", c.oldSize, TempTree::DefaultTime, c.oldLast);
    pair.Scan();
    EXPECT_EQ(pair.Compare(), c.expected);
  }
}

// The listed sizes bound the reading: a file whose length changed after the scan is changed,
// even when both sides changed alike.
TEST(CompareTreeFiles, AFileWhoseLengthDiffersFromItsListedSizeIsChanged) {
  struct Case {
    const char* name;
    std::size_t listed;
    std::uintmax_t sizeWhenRead;
  } cases[] = {
      {"grown by a byte", 8192, 8193},
      {"grown by many blocks", 100, 1000000},
      {"shrunk", 10000, 5000},
      {"empty, then grown", 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ComparePair pair;
    pair.tree.SizedFile("New/f", c.listed);
    pair.tree.SizedFile("Old/f", c.listed);
    pair.Scan();
    std::filesystem::resize_file(pair.tree.Path("New/f"), c.sizeWhenRead);
    std::filesystem::resize_file(pair.tree.Path("Old/f"), c.sizeWhenRead);
    EXPECT_EQ(pair.Compare(), CompareDifferent);
    EXPECT_EQ(pair.run.host.eventPumps, 0);  // stopped before its 100th block
  }
}

// Size 0 and content without end: read for one block, not for ever.
TEST(DecideFilePair, LinksToAnEndlessProcFileAreChangedUnderVeqf) {
  ComparePair pair;
  pair.tree.Dir("New");
  pair.tree.Dir("Old");
  pair.tree.Symlink("/proc/self/pagemap", "New/p");
  pair.tree.Symlink("/proc/self/pagemap", "Old/p");
  pair.run.state.Options.OptVeqf = true;
  pair.Scan();
  ASSERT_EQ(pair.news.size(), 2u);
  EXPECT_EQ(pair.news[1]->Size, 0);
  EXPECT_EQ(pair.Decide(), CompareDifferent);
  EXPECT_EQ(pair.run.host.eventPumps, 0);
}

TEST(CompareTreeFiles, AFileThatCannotBeReadIsNeverEqual) {
  struct Case {
    const char* name;
    bool failOpenNew, failOpenOld;
    int failReadNew, failReadOld;
  };
  const Case cases[] = {
      {"New cannot be opened", true, false, 0, 0},
      {"Old cannot be opened", false, true, 0, 0},
      {"New fails at its first read", false, false, 1, 0},
      {"Old fails at its second read", false, false, 0, 2},
      {"both fail", false, false, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ComparePair pair;
    pair.tree.SizedFile("New/f", 600000);
    pair.tree.SizedFile("Old/f", 600000);
    FaultyFileSystem faulty(RealFileSystem());
    const std::string newPath = pair.tree.Path("New/f");
    const std::string oldPath = pair.tree.Path("Old/f");
    if (c.failOpenNew) faulty.FailOpen(newPath);
    if (c.failOpenOld) faulty.FailOpen(oldPath);
    if (c.failReadNew > 0) faulty.FailReadAt(newPath, c.failReadNew);
    if (c.failReadOld > 0) faulty.FailReadAt(oldPath, c.failReadOld);
    pair.run.fs = &faulty;
    pair.Scan();
    EXPECT_EQ(pair.Compare(), CompareFailed);
  }
}

TEST(CompareTreeFiles, FifosAndTooLargeFilesAreNeverOpened) {
  ComparePair pair;
  pair.run.state.Options.OptVeqf = true;  // the FIFOs' bytes are needed
  pair.tree.Dir("New");
  pair.tree.Dir("Old");
  pair.tree.Fifo("New/a");
  pair.tree.Fifo("Old/a");
  test::SparseFile(pair.tree, "New/b", 3221225472);
  test::SparseFile(pair.tree, "Old/b", 3221225472);
  pair.Scan();
  ASSERT_EQ(pair.news.size(), 3u);
  EXPECT_EQ(pair.Compare(1), CompareFailed);  // would block for ever if opened
  EXPECT_EQ(pair.Compare(2), CompareFailed);
  EXPECT_EQ(pair.Decide(1), CompareFailed);
  EXPECT_EQ(pair.Decide(2), CompareFailed);  // equal sizes and dates: still an error
  EXPECT_EQ(pair.run.state.Totals.FailedFiles, 2);
}

TEST(CompareTreeFiles, AHaltStopsTheComparisonUnfinished) {
  ComparePair pair;
  pair.tree.SizedFile("New/f", 1000000);
  pair.tree.SizedFile("Old/f", 1000000);
  pair.Scan();
  pair.run.host.onPendingEvents = [&] { pair.run.state.HaltRequested = true; };
  EXPECT_EQ(pair.Compare(), CompareFailed);
  EXPECT_EQ(pair.run.host.eventPumps, 1);  // at block 100
}

TEST(CompareTreeFiles, ShowsFileProgressAboveFourMillionBytes) {
  ComparePair pair;
  pair.tree.SizedFile("New/big", 4100000);
  pair.tree.SizedFile("Old/big", 4100000);
  pair.tree.SizedFile("New/small", 4000000);
  pair.tree.SizedFile("Old/small", 4000000);
  pair.Scan();
  EXPECT_EQ(pair.Compare(2), CompareEqual);  // small
  EXPECT_TRUE(pair.run.host.progress.empty());
  EXPECT_EQ(pair.run.host.eventPumps, 9);    // 977 blocks and the final empty read
  EXPECT_EQ(pair.Compare(1), CompareEqual);  // big
  EXPECT_EQ(pair.run.host.progress.front(), 0);
  EXPECT_EQ(pair.run.host.progress.back(), 100);
  EXPECT_EQ(pair.run.host.calls.back(), "text MnTitleProgBar=File Progress");
}

TEST(CompareTreeFiles, ComparesFilesBeyondThePathLimit) {
  ComparePair pair;
  pair.tree.Dir("New");
  pair.tree.Dir("Old");
  test::DeepTree newDeep(pair.tree.Path("New"), 22, 200, "f", "same", TempTree::DefaultTime);
  test::DeepTree oldDeep(pair.tree.Path("Old"), 22, 200, "f", "diff", TempTree::DefaultTime);
  pair.Scan();
  ASSERT_EQ(pair.news.size(), 24u);
  EXPECT_EQ(pair.Compare(23), CompareDifferent);
  pair.run.state.Options.OptVeqf = true;
  EXPECT_EQ(pair.Decide(23), CompareDifferent);
}

TEST(DecideFilePair, TakesTheShortcutsBeforeReading) {
  struct Case {
    const char* name;
    std::size_t oldSize;
    std::time_t oldTime;
    bool veqf;
    FilePairShortcut shortcut;
    int result;
  };
  const std::time_t later = TempTree::DefaultTime + 60;
  // The New file is 10 bytes ending in 'N'; equal sizes end in 'O' on the Old side.
  const Case cases[] = {
      {"sizes differ", 11, TempTree::DefaultTime, false, FilePairShortcut::SizesDiffer,
       CompareDifferent},
      {"equal stamps", 10, TempTree::DefaultTime, false, FilePairShortcut::EqualStamps,
       CompareEqual},
      {"equal stamps verified", 10, TempTree::DefaultTime, true, FilePairShortcut::NeedsReading,
       CompareDifferent},
      {"stamps differ", 10, later, false, FilePairShortcut::NeedsReading, CompareDifferent},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ComparePair pair;
    pair.tree.SizedFile("New/f", 10, TempTree::DefaultTime, 'N');
    pair.tree.SizedFile("Old/f", c.oldSize, c.oldTime, 'O');
    pair.run.state.Options.OptVeqf = c.veqf;
    pair.Scan();
    EXPECT_EQ(DecideFilePairShortcut(pair.run.state, *pair.news[1], *pair.olds[1]), c.shortcut);
    EXPECT_EQ(pair.Decide(), c.result);
    EXPECT_EQ(pair.run.state.Totals.FailedFiles, 0);
  }
}

// Facts that could not be read on either side make the pair a failure, even when the sizes
// and stamps the listing left behind look equal.
TEST(DecideFilePair, UnknownFactsOnEitherSideFail) {
  for (bool oldSide : {false, true}) {
    SCOPED_TRACE(oldSide);
    ComparePair pair;
    pair.tree.SizedFile("New/f", 10, TempTree::DefaultTime, 'N');
    pair.tree.SizedFile("Old/f", 10, TempTree::DefaultTime, 'N');
    pair.Scan();
    (oldSide ? pair.olds[1] : pair.news[1])->StatError = EACCES;
    EXPECT_EQ(DecideFilePairShortcut(pair.run.state, *pair.news[1], *pair.olds[1]),
              FilePairShortcut::Failed);
  }
}

// A FIFO pair is judged by size and stamp without being opened; it is an error, named in the
// run's failures, only when its bytes would be needed.
TEST(DecideFilePair, FifosAreNeverOpenedAndAreAnErrorOnlyWhenTheirBytesAreNeeded) {
  struct Case {
    const char* name;
    bool veqf;
    bool oldIsFifo;
    const char* oldContent;
    bool sameTime;
    int expected;
    std::size_t failures;
  };
  const Case cases[] = {
      {"two FIFOs, same stamp", false, true, "", true, CompareEqual, 0},
      {"two FIFOs under Veqf", true, true, "", true, CompareFailed, 2},
      {"FIFO and an empty file, other stamps", false, false, "", false, CompareFailed, 1},
      {"FIFO and a longer file", false, false, "abc", true, CompareDifferent, 0},
  };
  for (const Case& c : cases) {
    ComparePair pair;
    pair.run.state.Options.OptVeqf = c.veqf;
    pair.tree.Dir("Old");
    pair.tree.Dir("New");
    pair.tree.Fifo("New/f");
    pair.tree.SetTime("New/f", TempTree::DefaultTime);
    if (c.oldIsFifo) {
      pair.tree.Fifo("Old/f");
    } else {
      pair.tree.File("Old/f", c.oldContent);
    }
    pair.tree.SetTime("Old/f", c.sameTime ? TempTree::DefaultTime : TempTree::DefaultTime + 60);
    pair.Scan();
    EXPECT_EQ(pair.Decide(), c.expected) << c.name;
    ASSERT_EQ(pair.run.state.IoFailures.size(), c.failures) << c.name;
    if (c.failures > 0) {
      EXPECT_EQ(IoErrorText(pair.run.state.IoFailures[0]),
                pair.tree.Path("New/f") + ": Not a regular file");
    }
  }
}

TEST(DecideFilePair, AFifoOnTheOldSideAloneIsAnErrorWhenItsBytesAreNeeded) {
  ComparePair pair;
  pair.tree.File("New/f", "");
  pair.tree.Dir("Old");
  pair.tree.Fifo("Old/f");
  pair.tree.SetTime("Old/f", TempTree::DefaultTime + 60);
  pair.Scan();
  EXPECT_EQ(DecideFilePairShortcut(pair.run.state, *pair.news[1], *pair.olds[1]),
            FilePairShortcut::Failed);
  EXPECT_EQ(pair.Decide(), CompareFailed);
  ASSERT_EQ(pair.run.state.IoFailures.size(), 1u);
  EXPECT_EQ(IoErrorText(pair.run.state.IoFailures[0]),
            pair.tree.Path("Old/f") + ": Not a regular file");
}

}  // namespace
}  // namespace kav
