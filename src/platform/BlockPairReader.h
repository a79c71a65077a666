#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/FileSystem.h"

namespace kav {

// Reads two open files side by side in 4096-byte blocks, as the comparisons count them
// (progress, halt polling and the busy animation go by these blocks). Underneath it reads
// large chunks, so a block costs a memcmp and no system call.
// Each file is read no further than the size it was listed with plus one block, which shows
// whether it grew: a file whose content does not end where its size says (a /proc file of
// size 0, a file written to meanwhile) is never read without end.
class BlockPairReader {
 public:
  static constexpr std::size_t BlockSize = 4096;
  static constexpr std::size_t ChunkSize = 256 * 1024;

  BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile, int64_t oldSize);

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
  struct Side {
    InputFile* File;
    int64_t Listed;        // the size the file was listed with
    std::size_t Capacity;  // a whole number of blocks
    std::unique_ptr<char[]> Buffer;
    std::size_t Pos = 0;
    std::size_t Len = 0;
    int64_t Total = 0;    // bytes read from the file so far
    int64_t Failure = 0;  // a failed read's negated errno, handed out from then on
    bool Ended = false;   // a short read met the end of the file: no need to read again
    bool LengthChanged = false;
  };
  // Hands out the next block of one side; data points at its bytes.
  static int64_t Take(Side& side, const char*& data);
  // Fills the buffer with the next chunk, never past the listed size plus one block. Returns 0,
  // or a failed read's negated errno.
  static int64_t Refill(Side& side);
  // A buffer of whole blocks just large enough for the listed size (plus its final empty
  // read), at most ChunkSize: a small file costs no large allocation.
  static Side MakeSide(InputFile& file, int64_t listed);

  Side new_;
  Side old_;
};

}  // namespace kav
