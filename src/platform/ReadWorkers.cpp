#include "platform/ReadWorkers.h"

#include <algorithm>
#include <system_error>

namespace kav {

class ReadWorkers::Job {
 public:
  explicit Job(std::function<void()> work) : work_(std::move(work)) {}
  std::function<void()> work_;
  bool begun_ = false;  // guarded by the pool's mutex
  bool done_ = false;
};

ReadWorkers::ReadWorkers(std::size_t threads) {
  threads_.reserve(threads);
  for (std::size_t k = 0; k < threads; ++k) {
    try {
      threads_.emplace_back([this] { Serve(); });
    } catch (const std::system_error&) {
      break;  // no more threads to be had: the pool works with those it has, or Finish does all
    }
  }
}

ReadWorkers::~ReadWorkers() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    queue_.clear();
  }
  wake_.notify_all();
  for (std::thread& t : threads_) t.join();
}

std::size_t ReadWorkers::DefaultThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return std::clamp<std::size_t>(cores > 1 ? cores - 1 : 1, 1, 2);
}

std::shared_ptr<ReadWorkers::Job> ReadWorkers::Post(std::function<void()> work) {
  auto job = std::make_shared<Job>(std::move(work));
  if (threads_.empty()) return job;  // run in Finish
  {
    std::lock_guard lock(mutex_);
    queue_.push_back(job);
  }
  wake_.notify_one();
  return job;
}

void ReadWorkers::Finish(const std::shared_ptr<Job>& job) {
  std::unique_lock lock(mutex_);
  if (!job->begun_) {
    std::erase(queue_, job);
    queue_.push_front(job);
  }
  // Rather than wait for a worker, this thread takes on queued jobs itself, this one first:
  // with one worker per spare core that keeps every core reading.
  while (!job->done_) {
    if (queue_.empty()) {
      finished_.wait(lock, [&] { return job->done_; });
      break;
    }
    RunFront(lock);
  }
}

void ReadWorkers::RunFront(std::unique_lock<std::mutex>& lock) {
  std::shared_ptr<Job> next = std::move(queue_.front());
  queue_.pop_front();
  next->begun_ = true;
  lock.unlock();
  next->work_();
  next->work_ = nullptr;  // what the job held (files, buffers) goes with it
  lock.lock();
  next->done_ = true;
  finished_.notify_all();
}

void ReadWorkers::Serve() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
    if (stopping_) return;
    RunFront(lock);
  }
}

}  // namespace kav
