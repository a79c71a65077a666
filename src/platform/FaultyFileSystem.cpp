#include "platform/FaultyFileSystem.h"

namespace kav {
namespace {

class FaultyInputFile final : public InputFile {
 public:
  FaultyInputFile(std::unique_ptr<InputFile> inner, int failAt)
      : inner_(std::move(inner)), failAt_(failAt) {}

  int64_t Read(char* buffer, std::size_t count) override {
    if (++reads_ == failAt_) return -1;
    return inner_->Read(buffer, count);
  }
  int64_t Size() const override { return inner_->Size(); }
  uint32_t Stamp() const override { return inner_->Stamp(); }

 private:
  std::unique_ptr<InputFile> inner_;
  int failAt_;
  int reads_ = 0;
};

}  // namespace

bool FaultyFileSystem::ListDirectory(const std::string& dir, std::vector<DirEntry>& out) const {
  if (failList_.count(dir) != 0) return false;
  return inner_.ListDirectory(dir, out);
}

std::unique_ptr<InputFile> FaultyFileSystem::Open(const std::string& path) const {
  if (failOpen_.count(path) != 0) return nullptr;
  auto file = inner_.Open(path);
  auto it = failRead_.find(path);
  if (file == nullptr || it == failRead_.end()) return file;
  return std::make_unique<FaultyInputFile>(std::move(file), it->second);
}

}  // namespace kav
