#include "platform/PairReadAhead.h"

#include <array>
#include <cerrno>
#include <string_view>

namespace kav {
namespace {

// Enough chunk buffers kept for the pairs a caller reads ahead, the one it compares and one
// more, two files each, and for the chunk pairs of a large pair.
constexpr std::size_t KeptBuffers =
    2 * (PairReadAhead::AheadPairs + 2) + 2 * ChunkPairsAhead::AheadPairs;

}  // namespace

class PairReadAhead::Directories {
 public:
  explicit Directories(const FileSystem& fs) : fs_(fs) {}

  // The directory of `path` (up to `nameStart`), held open; null when it cannot be.
  std::shared_ptr<const FileSystem::Directory> Of(const std::string& path, std::size_t nameStart) {
    const std::string_view dir(path.data(), nameStart);
    std::lock_guard lock(mutex_);
    for (const Held& held : held_) {
      if (held.Path == dir) return held.Dir;
    }
    // Opened before the slot changes: a slot must never pair one directory's path with another
    // directory's handle, or a later pair would be read from the wrong directory.
    Held fresh{std::string(dir), fs_.OpenDirectory(std::string(dir))};
    Held& slot = held_[next_];
    next_ = (next_ + 1) % held_.size();
    slot = std::move(fresh);
    return slot.Dir;
  }

 private:
  struct Held {
    std::string Path;
    std::shared_ptr<const FileSystem::Directory> Dir;
  };
  const FileSystem& fs_;
  std::mutex mutex_;
  // The few directories the pairs being read ahead lie in (New and Old of each).
  std::array<Held, 8> held_{};
  std::size_t next_ = 0;
};

namespace {

ListedFile ListedOf(const PairReadAhead::Request& request, int64_t size, uint32_t stamp) {
  const bool known = request.ListedRegular && request.ListedFacts && size >= 0;
  return ListedFile{request.ListedRegular, known, known ? size : 0, known ? stamp : 0};
}

PairReadAhead::Side OpenSide(const FileSystem& fs, const std::string& path,
                             const ListedFile& listed, PairReadAhead::Directories* dirs) {
  PairReadAhead::Side side;
  OpenedFile opened;
  try {
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::shared_ptr<const FileSystem::Directory> dir;
    if (dirs != nullptr && nameStart > 0) dir = dirs->Of(path, nameStart);
    opened = fs.OpenIn(dir.get(), path, nameStart, listed);
  } catch (...) {
    opened = OpenedFile{nullptr, EIO};
  }
  if (opened.File == nullptr) {
    side.Error = opened.Error != 0 ? opened.Error : EIO;
    return side;
  }
  side.Size = opened.File->Size();
  side.Stamp = opened.File->Stamp();
  side.File = std::move(opened.File);
  return side;
}

bool WantsBytes(const PairReadAhead::Request& request, const PairReadAhead::Pair& pair) {
  if (!pair.New.Opened() || !pair.Old.Opened()) return false;
  if (pair.New.Size >= request.ReadLimit || pair.Old.Size >= request.ReadLimit) return false;
  if (request.When != PairReadAhead::ReadWhen::BytesNeeded) {
    return request.When == PairReadAhead::ReadWhen::Always;
  }
  return pair.New.Size == pair.Old.Size && (request.Veqf || pair.New.Stamp != pair.Old.Stamp);
}

// Reads the first chunk; a file read to its end (or to a failure) is closed at once.
bool ReadFirstChunk(PairReadAhead::Side& side, int64_t listed,
                    const std::shared_ptr<ChunkBuffers>& buffers) {
  try {
    side.Source.emplace(std::move(side.File), listed >= 0 ? listed : side.Size, buffers);
    side.Source->Refill();
    side.Source->CloseIfDone();
    return true;
  } catch (...) {  // no memory for the buffer: the file went with it
    side.Source.reset();
    side.Error = ENOMEM;
    return false;
  }
}

}  // namespace

struct PairReadAhead::Slot {
  Request request;
  Pair pair;
  std::shared_ptr<ReadWorkers::Job> job;
};

PairReadAhead::PairReadAhead(const FileSystem& fs, std::size_t threads)
    : fs_(fs),
      buffers_(std::make_shared<ChunkBuffers>(KeptBuffers)),
      dirs_(std::make_unique<Directories>(fs)),
      workers_(std::make_unique<ReadWorkers>(threads)) {}

PairReadAhead::~PairReadAhead() {
  workers_.reset();
}

PairReadAhead::Pair PairReadAhead::OpenPair(const FileSystem& fs, const Request& request) {
  return OpenPair(fs, request, Aids{});
}

PairReadAhead::Pair PairReadAhead::OpenPair(const FileSystem& fs, const Request& request,
                                            const Aids& aids) {
  Pair pair;
  pair.New = OpenSide(fs, request.NewPath, ListedOf(request, request.NewListed, request.NewStamp),
                      aids.Dirs);
  if (!pair.New.Opened() && pair.New.Error != NotRegularFile) return pair;
  if (pair.New.Opened() && pair.New.Size >= request.ReadLimit) return pair;
  pair.Old = OpenSide(fs, request.OldPath, ListedOf(request, request.OldListed, request.OldStamp),
                      aids.Dirs);
  if (WantsBytes(request, pair)) {
    if (ReadFirstChunk(pair.New, request.NewListed, aids.Buffers)) {
      ReadFirstChunk(pair.Old, request.OldListed, aids.Buffers);
    }
  } else if (request.When == ReadWhen::BytesNeeded) {
    // Sizes and stamps settle the pair: its files are closed here, off the comparing thread.
    pair.New.File.reset();
    pair.Old.File.reset();
  }
  return pair;
}

void PairReadAhead::Submit(Request request) {
  auto slot = std::make_shared<Slot>();
  slot->request = std::move(request);
  unposted_.push_back(slot.get());
  slots_.push_back(std::move(slot));
  if (unposted_.size() == PairsPerJob) Post();
}

void PairReadAhead::Post() {
  if (unposted_.empty()) return;
  const std::vector<Slot*> batch = unposted_;
  // The slots outlive their job: the destructor joins the workers before it drops the slots.
  auto job = workers_->Post([batch, this] {
    for (Slot* s : batch) {
      try {
        s->pair = OpenPair(fs_, s->request, Aids{buffers_, dirs_.get()});
      } catch (...) {  // nothing may escape a worker; the pair then fails as unreadable
        s->pair = Pair{};
        s->pair.New.Error = EIO;
      }
    }
  });
  for (Slot* s : batch) s->job = job;
  unposted_.clear();  // only now: should posting fail, Take posts these slots again
}

PairReadAhead::Pair PairReadAhead::Take() {
  std::shared_ptr<Slot> slot = std::move(slots_.front());
  slots_.pop_front();
  if (slot->job == nullptr) Post();
  workers_->Finish(slot->job);
  return std::move(slot->pair);
}

}  // namespace kav
