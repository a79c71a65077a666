#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>

#include "platform/BlockSource.h"
#include "platform/FileSystem.h"
#include "platform/ReadWorkers.h"

namespace kav {

// What a large pair may be read with besides the run's own thread: worker threads and a store
// of chunk buffers shared with the pairs read ahead. Without workers, one thread reads.
struct ReadHelp {
  ReadWorkers* Workers = nullptr;
  std::shared_ptr<ChunkBuffers> Buffers;
};

// The rest of a large file pair, read ahead in chunk pairs: the New and the Old chunk at one
// offset, read and compared together by whichever thread takes the job (a worker, or the run's
// thread while it waits for an earlier pair). Both cores then copy out of the page cache at
// once, and each compares two chunks still in its own cache; one thread reading both files
// is held to the speed of one core's copies. Pairs are handed out in order, each side's chunk
// being what reading that file on from the same offset would have given.
class ChunkPairsAhead {
 public:
  static constexpr std::size_t ChunkSize = BlockSource::ChunkSize;
  // Enough to keep both cores busy between hand-overs; 2 MiB of buffers in all.
  static constexpr std::size_t AheadPairs = 4;

  struct Side {
    ChunkBuffer Buffer;  // ChunkSize bytes
    int64_t Got = 0;     // bytes read, or a failed read's negated errno
  };
  struct Pair {
    Side New;
    Side Old;
    std::size_t SameBytes = 0;  // how many leading bytes both chunks read and hold alike
  };

  // Reads both files (which must outlive this object) from `offset` on, no further than
  // `listed` plus one block, as BlockSource would; `help` must have workers.
  ChunkPairsAhead(const ReadHelp& help, InputFile& newFile, InputFile& oldFile, int64_t offset,
                  int64_t listed);
  // Drops the pairs not begun and waits for those being read: nothing reads on after it.
  ~ChunkPairsAhead();
  ChunkPairsAhead(const ChunkPairsAhead&) = delete;
  ChunkPairsAhead& operator=(const ChunkPairsAhead&) = delete;

  // The next chunk pair (past the end, both counts 0).
  Pair Take();
  // A buffer of ChunkSize bytes for a later chunk.
  void Return(ChunkBuffer buffer);

 private:
  struct Slot {
    int64_t Offset = 0;
    std::size_t Request = 0;
    Pair Result;
    std::atomic<bool> Dropped{false};
    std::shared_ptr<ReadWorkers::Job> Job;
  };
  static void Read(InputFile& newFile, InputFile& oldFile, Slot& slot);
  void TopUp();

  ReadWorkers& workers_;
  InputFile& newFile_;
  InputFile& oldFile_;
  int64_t next_;  // the offset of the next pair to post
  int64_t listed_;
  std::shared_ptr<ChunkBuffers> buffers_;
  std::deque<std::unique_ptr<Slot>> slots_;
};

}  // namespace kav
