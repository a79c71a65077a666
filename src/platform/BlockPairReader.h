#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/BlockSource.h"
#include "platform/FileSystem.h"

namespace kav {

// Reads two files side by side in 4096-byte blocks, as the comparisons count them (progress,
// halt polling and the busy animation go by these blocks). Underneath it reads large chunks
// (BlockSource), so a block costs a memcmp and no system call. The two files' chunks are read
// one after the other on this thread: reading them on two threads at once measured half again
// slower, the copies out of the page cache contending for the memory and each chunk costing a
// hand-over.
class BlockPairReader {
 public:
  static constexpr std::size_t BlockSize = BlockSource::BlockSize;
  static constexpr std::size_t ChunkSize = BlockSource::ChunkSize;

  BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile, int64_t oldSize);
  // Reads on from two sources (perhaps read ahead already).
  BlockPairReader(BlockSource newSource, BlockSource oldSource);

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
  BlockSource new_;
  BlockSource old_;
};

}  // namespace kav
