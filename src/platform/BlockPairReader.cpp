#include "platform/BlockPairReader.h"

#include <cstring>

namespace kav {

BlockPairReader::BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile,
                                 int64_t oldSize)
    : new_(newFile, newSize), old_(oldFile, oldSize) {}

BlockPairReader::BlockPairReader(BlockSource newSource, BlockSource oldSource)
    : new_(std::move(newSource)), old_(std::move(oldSource)) {}

BlockPairReader::Step BlockPairReader::Next() {
  const char* a = nullptr;
  const char* b = nullptr;
  Step step;
  step.NewCount = new_.Take(a);
  step.OldCount = old_.Take(b);
  step.Same = step.NewCount > 0 && step.NewCount == step.OldCount &&
              std::memcmp(a, b, static_cast<std::size_t>(step.NewCount)) == 0;
  step.LengthChanged = new_.LengthChanged() || old_.LengthChanged();
  return step;
}

}  // namespace kav
