#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/BlockSource.h"
#include "platform/ChunkPairsAhead.h"
#include "platform/FileSystem.h"

namespace kav {

// Reads two files side by side in 4096-byte blocks, as the comparisons count them (progress,
// halt polling and the busy animation go by these blocks). Underneath it reads large chunks
// (BlockSource), so a block costs a memcmp and no system call. Given read workers, a large
// equal-sized pair is read on in chunk pairs on them and this thread alike (ChunkPairsAhead);
// the blocks handed out are the same.
class BlockPairReader {
 public:
  static constexpr std::size_t BlockSize = BlockSource::BlockSize;
  static constexpr std::size_t ChunkSize = BlockSource::ChunkSize;

  BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile, int64_t oldSize);
  // Reads on from two sources (perhaps read ahead already), with the workers of `help` (if
  // any) reading a large pair's chunks ahead.
  BlockPairReader(BlockSource newSource, BlockSource oldSource, ReadHelp help = {});
  // How much of a pair must be left to read for the workers to be worth a hand-over per chunk.
  static constexpr int64_t ChunkPairsFloor = 4 * static_cast<int64_t>(ChunkSize);

  struct Step {
    int64_t NewCount = 0;  // bytes in the New block: 0 at the end of the file, -errno failed
    int64_t OldCount = 0;
    bool Same = false;  // both counts equal and above 0, and the bytes equal
    // A file is longer or shorter than its listed size: the pair is different. Once set it
    // stays set; reading on yields at most one more block before the end.
    bool LengthChanged = false;
  };
  // The next block of each file.
  Step Next();

 private:
  // Starts reading in chunk pairs when both sources stand at the same offset of equally
  // listed files with enough left.
  void StartChunkPairs();
  // Refills the sources that need it from the next chunk pair.
  void RefillFromChunkPairs();

  BlockSource new_;
  BlockSource old_;
  ReadHelp help_;                            // until the first refill decides on chunk pairs
  std::unique_ptr<ChunkPairsAhead> chunks_;  // last: its jobs read the sources' files
  bool paired_ = false;        // both buffers hold the same chunk pair, at the same position
  std::size_t sameBytes_ = 0;  // of which this many leading bytes are alike
};

}  // namespace kav
