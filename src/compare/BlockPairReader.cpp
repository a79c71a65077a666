#include "compare/BlockPairReader.h"

#include <algorithm>
#include <cstring>

namespace kav {

BlockPairReader::Side BlockPairReader::MakeSide(InputFile& file) {
  const int64_t size = std::max<int64_t>(file.Size(), 0);
  const auto blocks = static_cast<std::size_t>(
      std::min<int64_t>(size / static_cast<int64_t>(BlockSize) + 1, ChunkSize / BlockSize));
  const std::size_t capacity = blocks * BlockSize;
  return Side{&file, capacity, std::make_unique_for_overwrite<char[]>(capacity)};
}

BlockPairReader::BlockPairReader(InputFile& newFile, InputFile& oldFile)
    : new_(MakeSide(newFile)), old_(MakeSide(oldFile)) {}

int64_t BlockPairReader::Take(Side& side, const char*& data) {
  if (side.Failure < 0) return side.Failure;
  if (side.Pos == side.Len) {
    if (side.Ended) return 0;
    int64_t got = side.File->Read(side.Buffer.get(), side.Capacity);
    if (got < 0) {
      side.Failure = got;
      return got;
    }
    side.Pos = 0;
    side.Len = static_cast<std::size_t>(got);
    side.Ended = side.Len < side.Capacity;
  }
  std::size_t count = std::min(BlockSize, side.Len - side.Pos);
  data = side.Buffer.get() + side.Pos;
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
