#include "compare/BlockPairReader.h"

#include <algorithm>
#include <cstring>

namespace kav {

BlockPairReader::BlockPairReader(InputFile& newFile, InputFile& oldFile)
    : new_{&newFile, std::vector<char>(ChunkSize)}, old_{&oldFile, std::vector<char>(ChunkSize)} {}

int64_t BlockPairReader::Take(Side& side, const char*& data) {
  if (side.Failed) return -1;
  if (side.Pos == side.Len) {
    int64_t got = side.File->Read(side.Buffer.data(), side.Buffer.size());
    if (got < 0) {
      side.Failed = true;
      return -1;
    }
    side.Pos = 0;
    side.Len = static_cast<std::size_t>(got);
  }
  std::size_t count = std::min(BlockSize, side.Len - side.Pos);
  data = side.Buffer.data() + side.Pos;
  side.Pos += count;
  return static_cast<int64_t>(count);
}

BlockPairReader::Step BlockPairReader::Next() {
  const char* a = nullptr;
  const char* b = nullptr;
  Step step;
  step.NewCount = Take(new_, a);
  step.OldCount = Take(old_, b);
  step.Same = step.NewCount > 0 && step.NewCount == step.OldCount &&
              std::memcmp(a, b, static_cast<std::size_t>(step.NewCount)) == 0;
  return step;
}

}  // namespace kav
