#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/BlockSource.h"
#include "platform/FileSystem.h"

namespace kav {

class ReadWorkers;

// Reads two files side by side in 4096-byte blocks, as the comparisons count them (progress,
// halt polling and the busy animation go by these blocks). Underneath it reads large chunks
// (BlockSource), so a block costs a memcmp and no system call; given workers, the two files'
// next chunks are read at the same time.
class BlockPairReader {
 public:
  static constexpr std::size_t BlockSize = BlockSource::BlockSize;
  static constexpr std::size_t ChunkSize = BlockSource::ChunkSize;

  BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile, int64_t oldSize);
  // Reads on from two sources (perhaps read ahead already); `workers` may be null.
  BlockPairReader(BlockSource newSource, BlockSource oldSource, ReadWorkers* workers);

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
  ReadWorkers* workers_ = nullptr;
};

}  // namespace kav
