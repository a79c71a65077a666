#include "platform/DirectoryReader.h"

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string_view>
#include <system_error>
#include <thread>

#include "platform/EntryFacts.h"

namespace kav {
namespace {

// Entries go from the reading thread to the describing ones a batch at a time: a hand-over
// per entry would cost more than stating it.
constexpr std::size_t BatchSize = 512;

struct Batch {
  std::vector<DirEntry> entries;
  std::vector<bool> settled;  // the listing gave the entry's kind: nothing to state
};

// Batches read but not described yet. Each batch is taken by one thread only.
class BatchQueue {
 public:
  void Push(Batch* batch) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      todo_.push_back(batch);
    }
    ready_.notify_one();
  }
  // No more batches come; what is queued is still handed out.
  void Close() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      closed_ = true;
    }
    ready_.notify_all();
  }
  // No more batches come, and those queued are not wanted any more.
  void Cancel() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      closed_ = true;
      todo_.clear();
    }
    ready_.notify_all();
  }
  // The next batch to describe, waiting for one; nullptr once closed and empty.
  Batch* Pop() {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return closed_ || !todo_.empty(); });
    if (todo_.empty()) return nullptr;
    Batch* batch = todo_.front();
    todo_.pop_front();
    return batch;
  }

 private:
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Batch*> todo_;
  bool closed_ = false;
};

void DescribeBatches(int dfd, BatchQueue& queue) {
  StampCache stamps;
  while (Batch* batch = queue.Pop()) {
    for (std::size_t k = 0; k < batch->entries.size(); ++k) {
      if (!batch->settled[k]) DescribeEntry(dfd, batch->entries[k], stamps);
    }
  }
}

// Reads the names into batches (a deque keeps each batch where it is while more are added)
// and queues each full one. Directories carry no size or stamp; the rest is described later.
int ReadBatches(DIR* handle, std::deque<Batch>& batches, BatchQueue& queue, const ListPoll& poll,
                bool namesOnly) {
  Batch* filling = nullptr;
  for (std::size_t seen = 1;; ++seen) {
    if (poll && seen % ListPollEntries == 0 && !poll()) return ECANCELED;
    errno = 0;
    struct dirent* e = ::readdir(handle);
    if (e == nullptr) {
      const int error = errno;
      if (filling != nullptr) queue.Push(filling);
      return error;
    }
    const std::string_view name = e->d_name;
    if (name == "." || name == "..") continue;
    if (filling == nullptr) {
      filling = &batches.emplace_back();
      filling->entries.reserve(BatchSize);
    }
    DirEntry& entry = filling->entries.emplace_back();
    entry.Name = name;
    entry.Kind = e->d_type == DT_DIR ? EntryKind::Directory : EntryKind::File;
    const bool kindKnown = e->d_type != DT_LNK && e->d_type != DT_UNKNOWN;
    if (namesOnly && kindKnown && e->d_type != DT_DIR && e->d_type != DT_REG) {
      entry.Kind = EntryKind::Other;  // a FIFO, socket or device
    }
    filling->settled.push_back(e->d_type == DT_DIR || (namesOnly && kindKnown));
    if (filling->entries.size() == BatchSize) {
      queue.Push(filling);
      filling = nullptr;
    }
  }
}

}  // namespace

int ReadDirectoryEntries(DIR* handle, std::vector<DirEntry>& out, const ListPoll& poll,
                         bool namesOnly, bool helped) {
  const int dfd = ::dirfd(handle);
  std::deque<Batch> batches;
  BatchQueue queue;
  std::thread helper;
  if (helped) {
    try {
      helper = std::thread(DescribeBatches, dfd, std::ref(queue));
    } catch (const std::system_error&) {  // no thread to be had: this one does it all
    }
  }
  const int error = ReadBatches(handle, batches, queue, poll, namesOnly);
  if (error != 0) {
    queue.Cancel();
  } else {
    queue.Close();
    DescribeBatches(dfd, queue);
  }
  if (helper.joinable()) helper.join();
  if (error != 0) return error;
  std::size_t count = 0;
  for (const Batch& batch : batches) count += batch.entries.size();
  out.reserve(out.size() + count);
  for (Batch& batch : batches) {
    for (DirEntry& entry : batch.entries) out.push_back(std::move(entry));
  }
  return 0;
}

}  // namespace kav
