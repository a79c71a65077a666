#pragma once

#include <cstddef>
#include <optional>

namespace kav {

// The leading bytes two buffers hold alike, to a whole block: a block is only ever asked about
// whole, so the first differing block is as far as the answer needs to go.
std::size_t SameBytes(const char* a, const char* b, std::size_t count);

// SameBytes() over mapped files (MappedView). A page either file no longer holds raises SIGBUS;
// here it is caught, zeros stand in for the page, and the answer is nothing: the caller reads
// the files instead, and meets what a read meets (the end of the file, or the read error).
// Any other SIGBUS does what it did before. Zeros stay in place of a lost page, so the ranges
// should be whole pages that no other thread compares at the same time: that thread would read
// them without a fault.
std::optional<std::size_t> SameBytesGuarded(const char* a, const char* b, std::size_t count);

}  // namespace kav
