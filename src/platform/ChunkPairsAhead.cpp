#include "platform/ChunkPairsAhead.h"

#include <algorithm>
#include <utility>

#include "platform/SameBytes.h"

namespace kav {

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
  if (slot.Mapped != nullptr && CompareMapped(slot)) return;
  Pair& pair = slot.Result;
  pair.New.Got = newFile.ReadAt(pair.New.Buffer.get(), slot.Request, slot.Offset);
  pair.Old.Got = oldFile.ReadAt(pair.Old.Buffer.get(), slot.Request, slot.Offset);
  const int64_t both = std::min(pair.New.Got, pair.Old.Got);
  if (both > 0) {
    pair.SameBytes =
        SameBytes(pair.New.Buffer.get(), pair.Old.Buffer.get(), static_cast<std::size_t>(both));
  }
}

bool ChunkPairsAhead::CompareMapped(Slot& slot) {
  const Window& window = *slot.Mapped;
  const std::optional<std::size_t> same =
      SameBytesGuarded(window.New->At(slot.Offset), window.Old->At(slot.Offset), slot.Request);
  const int64_t end = slot.Offset + static_cast<int64_t>(slot.Request);
  if (same != slot.Request || !window.New->Reaches(end) || !window.Old->Reaches(end)) {
    return false;
  }
  slot.Result.New.Got = static_cast<int64_t>(slot.Request);
  slot.Result.Old.Got = static_cast<int64_t>(slot.Request);
  slot.Result.SameBytes = slot.Request;
  return true;
}

std::shared_ptr<const ChunkPairsAhead::Window> ChunkPairsAhead::WindowFor(int64_t offset) {
  if (!mapping_) return nullptr;
  if (window_ != nullptr && window_->New->Covers(offset, ChunkSize)) return window_;
  const auto length = static_cast<std::size_t>(
      std::min<int64_t>(static_cast<int64_t>(WindowSize), listed_ - offset));
  auto window = std::make_shared<Window>();
  window->New = newFile_.Map(offset, length);
  if (window->New != nullptr) window->Old = oldFile_.Map(offset, length);
  mapping_ = window->Old != nullptr;
  window_ = mapping_ ? std::move(window) : nullptr;
  return window_;
}

void ChunkPairsAhead::TopUp() {
  while (slots_.size() < AheadPairs) {
    const std::size_t request = BlockSource::RequestAt(listed_, next_, ChunkSize);
    if (request == 0) break;  // past the listed end and its one block
    auto slot = std::make_unique<Slot>();
    slot->Offset = next_;
    slot->Request = request;
    // Only whole chunks within the listed size: the read past it shows whether the file grew.
    if (request == ChunkSize && next_ + static_cast<int64_t>(ChunkSize) <= listed_) {
      slot->Mapped = WindowFor(next_);
    }
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
