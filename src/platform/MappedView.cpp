#include "platform/MappedView.h"

#include <sys/mman.h>
#include <sys/stat.h>

namespace kav {

std::unique_ptr<MappedView> MappedView::Map(int fd, int64_t offset, std::size_t length) {
  if (length == 0) return nullptr;
  void* data = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, fd, offset);
  if (data == MAP_FAILED) return nullptr;
  // Pages are met in order: the kernel may read well ahead and drop them behind.
  (void)::madvise(data, length, MADV_SEQUENTIAL);
  return std::unique_ptr<MappedView>(
      new MappedView(fd, static_cast<const char*>(data), offset, length));
}

MappedView::~MappedView() {
  ::munmap(const_cast<char*>(data_), length_);
}

bool MappedView::Covers(int64_t offset, std::size_t count) const {
  return offset >= offset_ &&
         offset + static_cast<int64_t>(count) <= offset_ + static_cast<int64_t>(length_);
}

bool MappedView::Reaches(int64_t end) const {
  struct stat facts = {};
  return ::fstat(fd_, &facts) == 0 && facts.st_size >= end;
}

}  // namespace kav
