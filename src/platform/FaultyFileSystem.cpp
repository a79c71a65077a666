#include "platform/FaultyFileSystem.h"

#include <atomic>
#include <cerrno>

namespace kav {
namespace {

class FaultyInputFile final : public InputFile {
 public:
  FaultyInputFile(std::unique_ptr<InputFile> inner, int failAt)
      : inner_(std::move(inner)), failAt_(failAt) {}

  int64_t ReadAt(char* buffer, std::size_t count, int64_t offset) override {
    if (++reads_ == failAt_) return -EIO;
    return inner_->ReadAt(buffer, count, offset);
  }
  int64_t Size() const override { return inner_->Size(); }
  uint32_t Stamp() const override { return inner_->Stamp(); }

 private:
  std::unique_ptr<InputFile> inner_;
  int failAt_;
  std::atomic<int> reads_{0};  // counted in the order the reads happen, on whatever thread
};

}  // namespace

int FaultyFileSystem::ListDirectory(const std::string& dir, std::vector<DirEntry>& out,
                                    const ListPoll& poll) const {
  if (failList_.count(dir) != 0) return EIO;
  const std::size_t before = out.size();
  const int error = inner_.ListDirectory(dir, out, poll);
  listed_ += out.size() - before;
  return error;
}

int FaultyFileSystem::ListNames(const std::string& dir, std::vector<DirEntry>& out,
                                const ListPoll& poll) const {
  if (failList_.count(dir) != 0) return EIO;
  const std::size_t before = out.size();
  const int error = inner_.ListNames(dir, out, poll);
  listed_ += out.size() - before;
  return error;
}

OpenedFile FaultyFileSystem::Open(const std::string& path) const {
  if (failOpen_.count(path) != 0) return OpenedFile{nullptr, EACCES};
  OpenedFile opened = inner_.Open(path);
  auto it = failRead_.find(path);
  if (opened.File == nullptr || it == failRead_.end()) return opened;
  opened.File = std::make_unique<FaultyInputFile>(std::move(opened.File), it->second);
  return opened;
}

}  // namespace kav
