#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>

#include "core/RunState.h"
#include "platform/FileSystem.h"

namespace kav {

// One directory level listed (as ListDirectoryFiles lists it) on a helper thread while the
// run's thread does something else, such as listing the other side. The helper never touches
// the window: it only counts the listing's polls and goes on. Finish() then makes those polls
// on the run's thread, as many and in the same order as listing there would have made them,
// so pending events run at the same rhythm, and a poll that says stop stops the listing with
// the same outcome. A listing never finished is stopped and dropped.
class ListingAhead {
 public:
  ListingAhead(const FileSystem& fs, std::string dir);
  ~ListingAhead();  // stops the listing and joins the helper
  ListingAhead(const ListingAhead&) = delete;
  ListingAhead& operator=(const ListingAhead&) = delete;

  // What ListDirectoryFiles(fs, dir, names, diskNames, poll, specialDiskNames) gives.
  int Finish(const ListPoll& poll, StringList& names, StringList& diskNames,
             StringList& specialDiskNames);

 private:
  void List();

  const FileSystem& fs_;
  std::string dir_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t polls_ = 0;  // made by the listing so far
  bool stop_ = false;
  bool done_ = false;
  int error_ = 0;
  StringList names_;
  StringList diskNames_;
  StringList specialDiskNames_;
  std::thread thread_;  // last: started once the rest is set up
};

}  // namespace kav
