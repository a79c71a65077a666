#include "platform/BlockPairReader.h"

#include <cstring>
#include <utility>

namespace kav {

BlockPairReader::BlockPairReader(InputFile& newFile, int64_t newSize, InputFile& oldFile,
                                 int64_t oldSize)
    : new_(newFile, newSize), old_(oldFile, oldSize) {}

BlockPairReader::BlockPairReader(BlockSource newSource, BlockSource oldSource, ReadHelp help)
    : new_(std::move(newSource)), old_(std::move(oldSource)), help_(std::move(help)) {}

void BlockPairReader::StartChunkPairs() {
  if (!new_.NeedsRefill() && !old_.NeedsRefill()) return;  // not yet: both hold blocks
  const ReadHelp help = std::exchange(help_, ReadHelp{});  // decided at the first refill
  if (!new_.NeedsRefill() || !old_.NeedsRefill()) return;
  if (new_.Offset() != old_.Offset() || new_.Listed() != old_.Listed()) return;
  if (new_.Capacity() != ChunkSize || old_.Capacity() != ChunkSize) return;
  if (new_.Listed() - new_.Offset() < ChunkPairsFloor) return;
  chunks_ = std::make_unique<ChunkPairsAhead>(help, *new_.File(), *old_.File(), new_.Offset(),
                                              new_.Listed());
}

void BlockPairReader::RefillFromChunkPairs() {
  const bool newNeeds = new_.NeedsRefill();
  const bool oldNeeds = old_.NeedsRefill();
  if (!newNeeds && !oldNeeds) return;
  ChunkPairsAhead::Pair pair = chunks_->Take();
  if (newNeeds) new_.Accept(pair.New.Buffer, pair.New.Got);
  if (oldNeeds) old_.Accept(pair.Old.Buffer, pair.Old.Got);
  // Both sources always drain together; one alone refills only once the other has ended.
  paired_ = newNeeds && oldNeeds;
  sameBytes_ = pair.SameBytes;
  chunks_->Return(std::move(pair.New.Buffer));
  chunks_->Return(std::move(pair.Old.Buffer));
}

BlockPairReader::Step BlockPairReader::Next() {
  if (help_.Workers != nullptr) StartChunkPairs();
  if (chunks_ != nullptr) RefillFromChunkPairs();
  const std::size_t at = new_.Position();
  const bool aligned = paired_ && at == old_.Position();
  const char* a = nullptr;
  const char* b = nullptr;
  Step step;
  step.NewCount = new_.Take(a);
  step.OldCount = old_.Take(b);
  if (step.NewCount > 0 && step.NewCount == step.OldCount) {
    const auto count = static_cast<std::size_t>(step.NewCount);
    // A block past the first difference of its chunk pair may still be alike.
    step.Same = (aligned && at + count <= sameBytes_) || std::memcmp(a, b, count) == 0;
  }
  step.LengthChanged = new_.LengthChanged() || old_.LengthChanged();
  return step;
}

}  // namespace kav
