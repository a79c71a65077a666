#include "compare/SummaryMerge.h"

#include <algorithm>
#include <deque>
#include <string>

#include "compare/DirListing.h"
#include "compare/PairNames.h"
#include "core/IoFailures.h"

namespace kav {
namespace {

unsigned char UpperCode(char c) {
  auto code = static_cast<unsigned char>(c);
  return (code >= 'a' && code <= 'z') ? static_cast<unsigned char>(code - 'a' + 'A') : code;
}

// The record of one unpaired name, its file's size and stamp looked up through an open.
FileResult UnpairedRecord(RunContext& ctx, const std::string& dir, const std::string& name,
                          const std::string& diskName, bool inserted) {
  FileResult result;
  result.Inserted = inserted;
  result.Deleted = !inserted;
  if (name == "win386.swp") {
    result.NotProcessed = true;
    return result;
  }
  int64_t size = 0;
  uint32_t stamp = 0;
  const std::string path = JoinPath(dir, diskName);
  const OpenedFile opened = ctx.Fs.Open(path);
  if (opened.File) {
    // A file of 2 GB or more counts as size 0 here, as it does wherever a compare meets it.
    size = opened.File->Size();
    if (size < 0 || size >= TooLargeFileSize) size = 0;
    stamp = opened.File->Stamp();
  } else if (opened.Error != NotRegularFile) {
    // Listed but gone or unreadable since: its size and stamp are unknown, not zero.
    RecordIoFailure(ctx.State, path, opened.Error);
  }
  if (inserted) {
    result.NewSize = size;
    result.NewStamp = stamp;
  } else {
    result.OldSize = size;
    result.OldStamp = stamp;
  }
  return result;
}

// Merges one side's unpaired names with their records into the paired lists.
void MergeSide(RunContext& ctx, CompareRecords& records, const StringList& names,
               StringList diskNames, const std::string& dir, bool inserted) {
  PadDiskNames(names, diskNames);
  StringList& list = ctx.State.Names.PairedNewNames;
  std::vector<FileResult> added;
  added.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    added.push_back(UnpairedRecord(ctx, dir, names[i], diskNames[i], inserted));
    if (inserted) {
      records.Totals.NewBytesNotProcessed += added.back().NewSize;
    } else {
      records.Totals.OldBytesNotProcessed += added.back().OldSize;
    }
  }
  if (!names.empty()) records.Totals.MaxReturnCode = std::max(records.Totals.MaxReturnCode, 1);

  // FileResults may be short of the names when a caller merged after a partial loop.
  records.FileResults.resize(std::max(records.FileResults.size(), list.size()));
  StringList mergedNames;
  std::vector<FileResult> mergedResults;
  mergedNames.reserve(list.size() + names.size());
  mergedResults.reserve(list.size() + names.size());
  for (const MergedEntry& entry : MergeOrder(list, names)) {
    mergedNames.push_back(entry.Added ? names[entry.Index] : std::move(list[entry.Index]));
    mergedResults.push_back(entry.Added ? std::move(added[entry.Index])
                                        : std::move(records.FileResults[entry.Index]));
    mergedResults.back().Position = static_cast<int32_t>(mergedResults.size() - 1);
  }
  list = std::move(mergedNames);
  records.FileResults = std::move(mergedResults);
}

}  // namespace

bool SummaryNameLess(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    unsigned char x = UpperCode(a[i]);
    unsigned char y = UpperCode(b[i]);
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::vector<MergedEntry> MergeOrder(const StringList& list, const StringList& added) {
  std::vector<MergedEntry> order;
  order.reserve(list.size() + added.size());
  // Added names placed before list[next] whose final place is not settled yet: the search
  // for the next added name starts at the front of this run.
  std::deque<std::size_t> pending;
  std::size_t next = 0;
  for (std::size_t a = 0; a < added.size(); ++a) {
    const std::string& name = added[a];
    while (!pending.empty() && !SummaryNameLess(name, added[pending.front()])) {
      order.push_back({true, pending.front()});
      pending.pop_front();
    }
    if (pending.empty()) {
      while (next < list.size() && !SummaryNameLess(name, list[next])) {
        order.push_back({false, next++});
      }
    }
    pending.push_front(a);
  }
  for (std::size_t a : pending) order.push_back({true, a});
  while (next < list.size()) order.push_back({false, next++});
  return order;
}

void MergeUnpairedNames(RunContext& ctx, CompareRecords& records) {
  RunState& state = ctx.State;
  MergeSide(ctx, records, state.Names.NewDirNames, state.Names.NewDirDiskNames, state.NewDirName,
            true);
  MergeSide(ctx, records, state.Names.OldDirNames, state.Names.OldDirDiskNames, state.OldDirName,
            false);
}

}  // namespace kav
