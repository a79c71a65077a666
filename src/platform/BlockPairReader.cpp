#include "platform/BlockPairReader.h"

#include <algorithm>
#include <cstring>

namespace kav {

BlockPairReader::Side BlockPairReader::MakeSide(InputFile& file, int64_t listed) {
  const int64_t size = std::max<int64_t>(listed, 0);
  const auto blocks = static_cast<std::size_t>(
      std::min<int64_t>(size / static_cast<int64_t>(BlockSize) + 1, ChunkSize / BlockSize));
  const std::size_t capacity = blocks * BlockSize;
  return Side{&file, size, capacity, std::make_unique_for_overwrite<char[]>(capacity)};
}

BlockPairReader::BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile,
                                 int64_t oldSize)
    : new_(MakeSide(newFile, newSize)), old_(MakeSide(oldFile, oldSize)) {}

int64_t BlockPairReader::Refill(Side& side) {
  const int64_t allowed = side.Listed + static_cast<int64_t>(BlockSize) - side.Total;
  const std::size_t request =
      static_cast<std::size_t>(std::min<int64_t>(static_cast<int64_t>(side.Capacity), allowed));
  const int64_t got = request == 0 ? 0 : side.File->Read(side.Buffer.get(), request);
  if (got < 0) return got;
  side.Pos = 0;
  side.Len = static_cast<std::size_t>(got);
  side.Total += got;
  side.Ended = side.Len < request || request == 0;
  if (side.Total > side.Listed || (side.Ended && side.Total < side.Listed)) {
    side.LengthChanged = true;
  }
  return 0;
}

int64_t BlockPairReader::Take(Side& side, const char*& data) {
  if (side.Failure < 0) return side.Failure;
  if (side.Pos == side.Len) {
    if (side.Ended) return 0;
    if (const int64_t failure = Refill(side); failure < 0) {
      side.Failure = failure;
      return failure;
    }
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
  step.LengthChanged = new_.LengthChanged || old_.LengthChanged;
  return step;
}

}  // namespace kav
