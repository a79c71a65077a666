#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kav {

// A small fixed pool of threads that open and read files ahead of a run's own thread. A job is
// taken up by whichever comes first: a worker, or the run's thread when it needs the result
// (Finish), which meanwhile takes on queued jobs itself rather than sleep.
// Jobs must not touch the window or the run state: they only read files into their own slots.
class ReadWorkers {
 public:
  class Job;

  // No more threads than `threads`; 0 runs every job on the run's thread, in Finish.
  explicit ReadWorkers(std::size_t threads);
  // Drops the jobs not begun, waits for those running and joins every thread.
  ~ReadWorkers();
  ReadWorkers(const ReadWorkers&) = delete;
  ReadWorkers& operator=(const ReadWorkers&) = delete;

  // One thread per core beyond the run's own, at least one and at most two: the work is
  // system calls and copies out of the page cache, which more threads would only contend for.
  static std::size_t DefaultThreads();

  // Queues `work` behind the jobs already queued.
  std::shared_ptr<Job> Post(std::function<void()> work);
  // Returns once `job` has run: here, when no worker has begun it yet.
  void Finish(const std::shared_ptr<Job>& job);

 private:
  void Serve();
  // Runs the job at the front of the queue; called and returns with the lock held.
  void RunFront(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  std::deque<std::shared_ptr<Job>> queue_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace kav
