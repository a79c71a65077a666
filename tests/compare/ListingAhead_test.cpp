#include "compare/ListingAhead.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <thread>
#include <vector>

#include "compare/DirListing.h"
#include "platform/FaultyFileSystem.h"
#include "support/TempTree.h"
#include "support/ThreadCount.h"

namespace kav::test {
namespace {

struct Listed {
  int error = 0;
  StringList names, diskNames, specials;
  int polls = 0;
  bool operator==(const Listed&) const = default;
};

// A side listed ahead ends as listing it on the run's thread would: the same names, error and
// polls, each poll made on the run's thread, a stop at the same poll; a listing never finished
// leaves no thread behind.
TEST(ListingAhead, EndsAsListingOnTheRunsThreadWould) {
  TempTree tree;
  for (int k = 0; k < 1000; ++k) tree.File("dir/F" + std::to_string(k), "");
  tree.Fifo("dir/pipe");
  const FileSystem& fs = RealFileSystem();
  const std::thread::id runThread = std::this_thread::get_id();
  for (const int stopAt : {0, 1, 3}) {  // 0: never stop
    for (const std::string& dir : {tree.Path("dir"), tree.Path("missing")}) {
      SCOPED_TRACE(dir + " stop at " + std::to_string(stopAt));
      auto list = [&](bool ahead) {
        Listed out;
        const ListPoll poll = [&] {
          EXPECT_EQ(std::this_thread::get_id(), runThread);
          return ++out.polls != stopAt;
        };
        if (ahead) {
          ListingAhead listing(fs, dir);
          out.error = listing.Finish(poll, out.names, out.diskNames, out.specials);
        } else {
          out.error = ListDirectoryFiles(fs, dir, out.names, out.diskNames, poll, &out.specials);
        }
        return out;
      };
      const Listed here = list(false);
      EXPECT_EQ(here.error, dir == tree.Path("missing") ? ENOENT : stopAt != 0 ? ECANCELED : 0);
      EXPECT_EQ(list(true), here);
    }
  }
  const std::size_t before = ThreadCountBeforeRun();
  { ListingAhead dropped(fs, tree.Path("dir")); }
  EXPECT_EQ(SettledThreadCount(before), before);
}

}  // namespace
}  // namespace kav::test
