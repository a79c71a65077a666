#pragma once

#include <cstdint>

namespace kav {

// The first size the tree reports refuse to print: 2 GB. Such a file was once a negative
// 32-bit size; sizes are 64-bit now, so the size itself is tested, and a 5 GB file is caught
// just like a 2 GB one.
inline constexpr int64_t TooLargeSize = 2147483648;

// True for a file of 2 GB or more: the reports print it as "Err" with size 0.
constexpr bool IsTooLarge(int64_t size) {
  return size >= TooLargeSize;
}

// The size a report prints for a file: 0 for a file that is too large.
constexpr int64_t PrintedFileSize(int64_t size) {
  return IsTooLarge(size) ? 0 : size;
}

}  // namespace kav
