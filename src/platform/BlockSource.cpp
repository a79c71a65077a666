#include "platform/BlockSource.h"

#include <algorithm>
#include <new>
#include <utility>

namespace kav {
namespace {

// A buffer of whole blocks just large enough for the listed size (plus its final empty read),
// at most ChunkSize: a small file costs no large allocation.
std::size_t CapacityFor(int64_t listed) {
  constexpr auto block = static_cast<int64_t>(BlockSource::BlockSize);
  constexpr auto most = static_cast<int64_t>(BlockSource::ChunkSize / BlockSource::BlockSize);
  const int64_t blocks = std::min<int64_t>(std::max<int64_t>(listed, 0) / block + 1, most);
  return static_cast<std::size_t>(blocks) * BlockSource::BlockSize;
}

constexpr std::align_val_t PageAlignment{4096};

}  // namespace

void PageAlignedDelete::operator()(char* buffer) const noexcept {
  ::operator delete[](buffer, PageAlignment);
}

ChunkBuffer NewChunkBuffer(std::size_t size) {
  return ChunkBuffer(static_cast<char*>(::operator new[](size, PageAlignment)));
}

ChunkBuffer ChunkBuffers::Take() {
  {
    std::lock_guard lock(mutex_);
    if (!free_.empty()) {
      ChunkBuffer buffer = std::move(free_.back());
      free_.pop_back();
      return buffer;
    }
  }
  return NewChunkBuffer(BlockSource::ChunkSize);
}

void ChunkBuffers::Return(ChunkBuffer buffer) {
  std::lock_guard lock(mutex_);
  if (free_.size() < keep_) free_.push_back(std::move(buffer));
}

BlockSource::BlockSource(InputFile& file, int64_t listed)
    : file_(&file),
      listed_(std::max<int64_t>(listed, 0)),
      capacity_(CapacityFor(listed)),
      buffer_(NewChunkBuffer(capacity_)) {}

BlockSource::BlockSource(std::unique_ptr<InputFile> file, int64_t listed,
                         std::shared_ptr<ChunkBuffers> buffers)
    : owned_(std::move(file)),
      file_(owned_.get()),
      listed_(std::max<int64_t>(listed, 0)),
      capacity_(buffers != nullptr ? ChunkSize : CapacityFor(listed)),
      buffer_(buffers != nullptr ? buffers->Take() : NewChunkBuffer(capacity_)),
      buffers_(std::move(buffers)) {}

BlockSource::~BlockSource() {
  if (buffers_ != nullptr && buffer_ != nullptr) buffers_->Return(std::move(buffer_));
}

std::size_t BlockSource::RequestAt(int64_t listed, int64_t offset, std::size_t capacity) {
  const int64_t allowed = listed + static_cast<int64_t>(BlockSize) - offset;
  return static_cast<std::size_t>(std::clamp<int64_t>(allowed, 0, static_cast<int64_t>(capacity)));
}

void BlockSource::Refill() {
  if (!NeedsRefill()) return;
  const std::size_t request = NextRequest();
  Settle(request, request == 0 ? 0 : file_->ReadAt(buffer_.get(), request, total_));
}

void BlockSource::Accept(ChunkBuffer& filled, int64_t got) {
  std::swap(buffer_, filled);
  Settle(NextRequest(), got);
}

void BlockSource::Settle(std::size_t request, int64_t got) {
  if (got < 0) {
    failure_ = got;
    return;
  }
  pos_ = 0;
  len_ = static_cast<std::size_t>(got);
  total_ += got;
  ended_ = len_ < request || request == 0;
  if (total_ > listed_ || (ended_ && total_ < listed_)) lengthChanged_ = true;
}

int64_t BlockSource::Take(const char*& data) {
  Refill();
  if (failure_ < 0) return failure_;
  if (pos_ == len_) return 0;  // ended
  const std::size_t count = std::min(BlockSize, len_ - pos_);
  data = buffer_.get() + pos_;
  pos_ += count;
  return static_cast<int64_t>(count);
}

void BlockSource::CloseIfDone() {
  if (owned_ == nullptr || (failure_ == 0 && !ended_)) return;
  owned_.reset();
  file_ = nullptr;
}

}  // namespace kav
