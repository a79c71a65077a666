#pragma once

#include <atomic>
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace kav {

// Wraps a file system and injects faults, so that error paths are tested for real: files that
// cannot be opened (EACCES), directories that cannot be listed (EIO), and reads that fail
// with EIO at a given block (counted in reads from 1).
class FaultyFileSystem final : public FileSystem {
 public:
  explicit FaultyFileSystem(const FileSystem& inner) : inner_(inner) {}

  void FailOpen(const std::string& path) { failOpen_.insert(path); }
  void FailReadAt(const std::string& path, int readNumber) { failRead_[path] = readNumber; }
  void FailList(const std::string& dir) { failList_.insert(dir); }

  int ListDirectory(const std::string& dir, std::vector<DirEntry>& out,
                    const ListPoll& poll = {}) const override;
  int ListNames(const std::string& dir, std::vector<DirEntry>& out,
                const ListPoll& poll = {}) const override;
  bool IsDirectory(const std::string& path) const override { return inner_.IsDirectory(path); }
  bool Stat(const std::string& path, DirEntry& out) const override {
    return inner_.Stat(path, out);
  }
  OpenedFile Open(const std::string& path) const override;
  // Entries the wrapped file system handed out over every listing so far.
  std::size_t ListedEntries() const { return listed_; }

 private:
  const FileSystem& inner_;
  std::set<std::string> failOpen_;
  std::set<std::string> failList_;
  std::map<std::string, int> failRead_;
  mutable std::atomic<std::size_t> listed_{0};  // listings may run on two threads at once
};

}  // namespace kav
