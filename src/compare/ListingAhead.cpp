#include "compare/ListingAhead.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <new>
#include <system_error>
#include <utility>

#include "compare/DirListing.h"

namespace kav {

ListingAhead::ListingAhead(const FileSystem& fs, std::string dir) : fs_(fs), dir_(std::move(dir)) {
  try {
    thread_ = std::thread([this] { List(); });
  } catch (const std::system_error&) {
    // No thread to be had: Finish lists on the run's thread.
  }
}

ListingAhead::~ListingAhead() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  if (thread_.joinable()) thread_.join();
}

void ListingAhead::List() {
  const ListPoll counted = [this] {
    std::lock_guard lock(mutex_);
    ++polls_;
    changed_.notify_all();
    return !stop_;
  };
  StringList names;
  StringList diskNames;
  StringList specials;
  int error = 0;
  try {
    error = ListDirectoryFiles(fs_, dir_, names, diskNames, counted, &specials);
  } catch (const std::bad_alloc&) {  // as a listing that could not be held
    error = ENOMEM;
  }
  std::lock_guard lock(mutex_);
  error_ = error;
  names_ = std::move(names);
  diskNames_ = std::move(diskNames);
  specialDiskNames_ = std::move(specials);
  done_ = true;
  changed_.notify_all();
}

int ListingAhead::Finish(const ListPoll& poll, StringList& names, StringList& diskNames,
                         StringList& specialDiskNames) {
  if (!thread_.joinable()) {
    return ListDirectoryFiles(fs_, dir_, names, diskNames, poll, &specialDiskNames);
  }
  std::size_t answered = 0;
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return done_ || polls_ > answered; });
    if (polls_ == answered) break;  // done, every poll made here
    ++answered;
    lock.unlock();
    const bool goOn = poll ? poll() : true;
    lock.lock();
    if (!goOn) {
      stop_ = true;
      return ECANCELED;  // as the listing here would have stopped, appending nothing
    }
  }
  if (error_ != 0) return error_;
  auto append = [](StringList& to, StringList& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
  };
  append(names, names_);
  append(diskNames, diskNames_);
  append(specialDiskNames, specialDiskNames_);
  std::sort(specialDiskNames.begin(), specialDiskNames.end());
  return 0;
}

}  // namespace kav
