#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace kav {

// Part of an open file mapped read-only into memory, so that two files can be compared where
// the page cache holds them instead of being copied out first. A page the file no longer holds
// (it was cut short meanwhile, or the disk failed to give it) raises SIGBUS when touched: read
// a view only through SameBytesGuarded().
class MappedView {
 public:
  // Maps `length` bytes of `fd` from `offset` (a multiple of the page size); null when the
  // system refuses. `fd` must stay open while the view lives.
  static std::unique_ptr<MappedView> Map(int fd, int64_t offset, std::size_t length);
  ~MappedView();
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;

  // True when [offset, offset + count) of the file lies within the view.
  bool Covers(int64_t offset, std::size_t count) const;
  // The byte at `offset` of the file, which must lie within the view.
  const char* At(int64_t offset) const { return data_ + (offset - offset_); }
  // The file still reaches `end`: a page the file ends within reads as zeros past its end
  // without a fault, so a compare that met no fault still has to ask.
  bool Reaches(int64_t end) const;

 private:
  MappedView(int fd, const char* data, int64_t offset, std::size_t length)
      : fd_(fd), data_(data), offset_(offset), length_(length) {}

  int fd_;
  const char* data_;
  int64_t offset_;
  std::size_t length_;
};

}  // namespace kav
