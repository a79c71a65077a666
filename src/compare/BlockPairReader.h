#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/FileSystem.h"

namespace kav {

// Reads two open files side by side in 4096-byte blocks, as the comparisons count them
// (progress, halt polling and the busy animation go by these blocks). Underneath it reads
// large chunks, so a block costs a memcmp and no system call.
class BlockPairReader {
 public:
  static constexpr std::size_t BlockSize = 4096;
  static constexpr std::size_t ChunkSize = 256 * 1024;

  BlockPairReader(InputFile& newFile, InputFile& oldFile);

  struct Step {
    int64_t NewCount = 0;  // bytes in the New block: 0 at the end of the file, -errno failed
    int64_t OldCount = 0;
    bool Same = false;  // both counts equal and above 0, and the bytes equal
  };
  // The next block of each file.
  Step Next();

 private:
  struct Side {
    InputFile* File;
    std::size_t Capacity;  // a whole number of blocks
    std::unique_ptr<char[]> Buffer;
    std::size_t Pos = 0;
    std::size_t Len = 0;
    int64_t Failure = 0;  // a failed read's negated errno, handed out from then on
    bool Ended = false;   // a short read met the end of the file: no need to read again
  };
  // Hands out the next block of one side; data points at its bytes.
  static int64_t Take(Side& side, const char*& data);
  // A buffer of whole blocks just large enough for the file (plus its final empty read), at
  // most ChunkSize: a small file costs no large allocation.
  static Side MakeSide(InputFile& file);

  Side new_;
  Side old_;
};

}  // namespace kav
