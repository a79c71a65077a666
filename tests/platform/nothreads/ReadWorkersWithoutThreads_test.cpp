// A process that may start no more threads (a per-user limit, no memory for a stack): the
// read-ahead pool must still do its work, on the run's own thread, instead of ending the
// program. This program's own pthread_create refuses every thread, as the system would.

#include <gtest/gtest.h>
#include <pthread.h>

#include <cerrno>

#include "platform/ReadWorkers.h"

extern "C" int pthread_create(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*) {
  return EAGAIN;
}

namespace kav::test {
namespace {

TEST(ReadWorkers, WithoutThreadsEveryJobRunsOnTheRunsThread) {
  ReadWorkers workers(2);
  int done = 0;
  const auto job = workers.Post([&done] { ++done; });
  workers.Finish(job);
  EXPECT_EQ(done, 1);
}

}  // namespace
}  // namespace kav::test
