#include "platform/ChunkPairsAhead.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace kav {
namespace {

// The leading bytes two chunks hold alike, to a whole block: a block is only ever asked about
// whole, so the first differing block is as far as the answer needs to go.
std::size_t SameBytes(const char* a, const char* b, std::size_t count) {
  if (std::memcmp(a, b, count) == 0) return count;
  std::size_t same = 0;
  while (same < count) {
    const std::size_t block = std::min(BlockSource::BlockSize, count - same);
    if (std::memcmp(a + same, b + same, block) != 0) break;
    same += block;
  }
  return same;
}

}  // namespace

ChunkPairsAhead::ChunkPairsAhead(const ReadHelp& help, InputFile& newFile, InputFile& oldFile,
                                 int64_t offset, int64_t listed)
    : workers_(*help.Workers),
      newFile_(newFile),
      oldFile_(oldFile),
      next_(offset),
      listed_(listed),
      buffers_(help.Buffers != nullptr ? help.Buffers
                                       : std::make_shared<ChunkBuffers>(2 * AheadPairs + 2)) {
  TopUp();
}

ChunkPairsAhead::~ChunkPairsAhead() {
  for (const auto& slot : slots_) slot->Dropped = true;
  for (const auto& slot : slots_) workers_.Finish(slot->Job);
}

void ChunkPairsAhead::Read(InputFile& newFile, InputFile& oldFile, Slot& slot) {
  if (slot.Dropped) return;
  Pair& pair = slot.Result;
  pair.New.Got = newFile.ReadAt(pair.New.Buffer.get(), slot.Request, slot.Offset);
  pair.Old.Got = oldFile.ReadAt(pair.Old.Buffer.get(), slot.Request, slot.Offset);
  const int64_t both = std::min(pair.New.Got, pair.Old.Got);
  if (both > 0) {
    pair.SameBytes =
        SameBytes(pair.New.Buffer.get(), pair.Old.Buffer.get(), static_cast<std::size_t>(both));
  }
}

void ChunkPairsAhead::TopUp() {
  while (slots_.size() < AheadPairs) {
    const std::size_t request = BlockSource::RequestAt(listed_, next_, ChunkSize);
    if (request == 0) break;  // past the listed end and its one block
    auto slot = std::make_unique<Slot>();
    slot->Offset = next_;
    slot->Request = request;
    slot->Result.New.Buffer = buffers_->Take();
    slot->Result.Old.Buffer = buffers_->Take();
    next_ += ChunkSize;
    // The slot outlives its job: Take() and the destructor wait for the job first.
    slot->Job = workers_.Post(
        [s = slot.get(), &newFile = newFile_, &oldFile = oldFile_] { Read(newFile, oldFile, *s); });
    slots_.push_back(std::move(slot));
  }
}

ChunkPairsAhead::Pair ChunkPairsAhead::Take() {
  if (slots_.empty()) {  // past the end: as a read of 0 bytes
    return Pair{Side{buffers_->Take(), 0}, Side{buffers_->Take(), 0}, 0};
  }
  std::unique_ptr<Slot> slot = std::move(slots_.front());
  slots_.pop_front();
  workers_.Finish(slot->Job);
  TopUp();
  return std::move(slot->Result);
}

void ChunkPairsAhead::Return(ChunkBuffer buffer) {
  buffers_->Return(std::move(buffer));
}

}  // namespace kav
