#include "platform/SplitWork.h"

#include <system_error>
#include <thread>

namespace kav {

void SplitWork(std::size_t count, std::size_t sharedFrom,
               const std::function<void(std::size_t, std::size_t)>& work) {
  const std::size_t middle = count / 2;
  std::thread helper;
  if (count >= sharedFrom) {
    try {
      helper = std::thread(work, middle, count);
    } catch (const std::system_error&) {  // no thread to be had: one does it all
    }
  }
  work(0, helper.joinable() ? middle : count);
  if (helper.joinable()) helper.join();
}

}  // namespace kav
