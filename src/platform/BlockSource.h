#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/FileSystem.h"

namespace kav {

// A read buffer that starts on a page. The kernel copies file data into a buffer that starts
// 16 bytes into a page (where the allocator puts large blocks) markedly slower than into an
// aligned one, and that copy is most of the time a large file pair takes.
struct PageAlignedDelete {
  void operator()(char* buffer) const noexcept;
};
using ChunkBuffer = std::unique_ptr<char[], PageAlignedDelete>;
ChunkBuffer NewChunkBuffer(std::size_t size);

// Chunk buffers kept for the next file: a fresh buffer for every file would cost page faults
// (the allocator hands large blocks back to the system), which for small files costs more than
// reading them. Any thread may take and return buffers.
class ChunkBuffers {
 public:
  explicit ChunkBuffers(std::size_t keep) : keep_(keep) {}
  ChunkBuffer Take();  // ChunkSize bytes
  void Return(ChunkBuffer buffer);

 private:
  std::mutex mutex_;
  std::vector<ChunkBuffer> free_;
  std::size_t keep_;
};

// One file read in large chunks and handed out in 4096-byte blocks. The file is read no
// further than the size it was listed with plus one block, which shows whether it grew: a file
// whose content does not end where its size says (a /proc file of size 0, a file written to
// meanwhile) is never read without end.
// A source may be filled on one thread and read on another, but never by two at once.
class BlockSource {
 public:
  static constexpr std::size_t BlockSize = 4096;
  static constexpr std::size_t ChunkSize = 256 * 1024;

  // Reads `file`, which must outlive the source.
  BlockSource(InputFile& file, int64_t listed);
  // Reads and owns `file`; with `buffers`, the chunk buffer is taken from and given back to
  // them.
  BlockSource(std::unique_ptr<InputFile> file, int64_t listed,
              std::shared_ptr<ChunkBuffers> buffers = nullptr);
  ~BlockSource();
  BlockSource(BlockSource&&) noexcept = default;
  BlockSource& operator=(BlockSource&&) noexcept = default;

  // True when the next Take() would have to read from the file.
  bool NeedsRefill() const { return failure_ == 0 && pos_ == len_ && !ended_; }
  // Reads the next chunk now (a no-op unless NeedsRefill()). A failed read is kept and handed
  // out by the next Take(). Reading ahead of Take() changes nothing a reader can see.
  void Refill();
  // How much a chunk read at `offset` of a file listed at `listed` asks for: up to `capacity`,
  // and no further than one block past the listed size (0 when the file must have ended).
  static std::size_t RequestAt(int64_t listed, int64_t offset, std::size_t capacity);
  // Where the next Refill() reads, and how much it asks for.
  int64_t Offset() const { return total_; }
  std::size_t NextRequest() const { return RequestAt(listed_, total_, capacity_); }
  std::size_t Position() const { return pos_; }  // of the next block in the buffer
  int64_t Listed() const { return listed_; }
  std::size_t Capacity() const { return capacity_; }
  InputFile* File() const { return file_; }
  // Takes the place of Refill() when the chunk was read elsewhere: `filled` (a buffer of
  // Capacity() bytes) holds what reading NextRequest() bytes at Offset() gave, `got` its count
  // or a failed read's negated errno; it is swapped for this source's own buffer.
  void Accept(ChunkBuffer& filled, int64_t got);
  // Hands out the next block: its byte count (0 at the end of the file, a failed read's
  // negated errno from then on); data points at its bytes.
  int64_t Take(const char*& data);
  // The file is longer or shorter than its listed size. Once set it stays set.
  bool LengthChanged() const { return lengthChanged_; }
  // Closes an owned file once nothing more will be read from it (the end or a failure was
  // met); the blocks already read stay available.
  void CloseIfDone();

 private:
  void Settle(std::size_t request, int64_t got);

  std::unique_ptr<InputFile> owned_;
  InputFile* file_;
  int64_t listed_;        // the size the file was listed with
  std::size_t capacity_;  // a whole number of blocks
  ChunkBuffer buffer_;
  std::shared_ptr<ChunkBuffers> buffers_;
  std::size_t pos_ = 0;
  std::size_t len_ = 0;
  int64_t total_ = 0;    // bytes read from the file so far
  int64_t failure_ = 0;  // a failed read's negated errno
  bool ended_ = false;   // a short read met the end of the file: no need to read again
  bool lengthChanged_ = false;
};

}  // namespace kav
