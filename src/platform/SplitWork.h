#pragma once

#include <cstddef>
#include <functional>

namespace kav {

// Runs work(from, to) over [0, count) on the calling thread, or from `sharedFrom` items on
// split in two halves, the second on a helper thread. `work` must touch each item only through
// its own range. Without a thread to be had, the calling thread does it all.
void SplitWork(std::size_t count, std::size_t sharedFrom,
               const std::function<void(std::size_t, std::size_t)>& work);

}  // namespace kav
