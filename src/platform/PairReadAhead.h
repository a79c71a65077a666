#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/BlockSource.h"
#include "platform/ChunkPairsAhead.h"
#include "platform/FileSystem.h"
#include "platform/ReadWorkers.h"

namespace kav {

// The pairs a run will compare, opened and their first chunk read ahead on worker threads
// while the run's thread compares the pair before them. Pairs are taken in the order they
// were submitted; what a worker did for a pair is exactly what the run's thread would have
// done first for it, so the outcome (and every error, which belongs to its own pair) is the
// same as without read-ahead. Nothing is read from a pair whose bytes are not needed.
class PairReadAhead {
 public:
  // How many pairs a caller submits ahead of the one it compares: enough to keep the workers
  // busy behind a run of small files (a dozen left the comparing thread opening pairs itself),
  // few enough that their first chunks (at most 256 KiB a file, 12 MiB in all) cost little.
  static constexpr std::size_t AheadPairs = 24;

  enum class ReadWhen {
    Always,       // the caller has decided the bytes are needed
    BytesNeeded,  // the opened files decide: equal sizes, and Veqf or different stamps;
                  // files whose bytes are not needed are closed once their facts are read
    Never,        // open only; the caller reads when it compares
  };
  struct Request {
    std::string NewPath;
    std::string OldPath;
    int64_t NewListed = -1;  // the size each file is read against; -1: its opened size
    int64_t OldListed = -1;
    ReadWhen When = ReadWhen::Always;
    bool Veqf = false;
    int64_t ReadLimit = INT64_MAX;  // a file of this size or more is never read
    bool ListedRegular = false;     // both were listed as regular files (OpenListedFile)
    // Their listed sizes (NewListed, OldListed) and these stamps stand for the open files.
    bool ListedFacts = false;
    uint32_t NewStamp = 0;
    uint32_t OldStamp = 0;
  };
  struct Side {
    int Error = 0;  // the open's errno, or NotRegularFile; the rest is then unset
    int64_t Size = 0;
    uint32_t Stamp = 0;
    std::unique_ptr<InputFile> File;    // open, nothing read yet
    std::optional<BlockSource> Source;  // read ahead: the file (if still open) and its first chunk
    bool Opened() const { return Error == 0; }
  };
  struct Pair {
    Side New;
    Side Old;  // not opened (Error 0, no file) when the New side failed other than as NotRegular
  };

  // `threads` workers (ReadWorkers::DefaultThreads() by default) reading through `fs`, which
  // must outlive this object.
  explicit PairReadAhead(const FileSystem& fs, std::size_t threads = ReadWorkers::DefaultThreads());
  // Drops the pairs not begun and waits for those being read: no thread outlives it.
  ~PairReadAhead();

  void Submit(Request request);
  // The threads and buffers that read ahead, free to help with reading a large pair too.
  ReadHelp Help() { return ReadHelp{workers_.get(), buffers_}; }
  // The oldest pair not yet taken (there must be one); opened here if no worker has begun it.
  Pair Take();

  // Directories held open for the pairs' files, shared by the workers: the files of one
  // directory are opened by name relative to it rather than by a path looked up whole.
  class Directories;
  // What the workers share besides the file system; either may be null.
  struct Aids {
    std::shared_ptr<ChunkBuffers> Buffers;
    Directories* Dirs = nullptr;
  };
  // The same work, done on the calling thread.
  static Pair OpenPair(const FileSystem& fs, const Request& request);
  static Pair OpenPair(const FileSystem& fs, const Request& request, const Aids& aids);

 private:
  struct Slot;
  // A worker takes a few pairs at a time: handing over each pair alone would cost more in
  // waking threads than opening two small files does.
  static constexpr std::size_t PairsPerJob = 4;
  // Hands the pairs submitted since the last job to the workers as one job.
  void Post();

  const FileSystem& fs_;
  std::shared_ptr<ChunkBuffers> buffers_;  // shared with the sources handed out
  std::unique_ptr<Directories>
      dirs_;  // first: the sources in the slots give their buffers back to it
  std::deque<std::shared_ptr<Slot>> slots_;
  std::vector<Slot*> unposted_;
  std::unique_ptr<ReadWorkers> workers_;  // last: destroyed (and joined) first
};

}  // namespace kav
