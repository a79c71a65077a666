#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace kav::test {

// A temporary directory, removed with everything below it when the object goes. Files are
// created with exact contents and modification times.
class TempTree {
 public:
  TempTree();
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The root path, without a trailing '/'.
  const std::string& Root() const { return root_; }
  // Root() + "/" + relative.
  std::string Path(std::string_view relative) const;

  // Creates a directory (and its parents).
  void Dir(std::string_view relative) const;
  // Creates or replaces a file (parents included) with the content and modification time.
  void File(std::string_view relative, std::string_view content,
            std::time_t mtime = DefaultTime) const;
  // A file of `size` bytes of a repeating pattern; `lastByte` replaces its final byte.
  void SizedFile(std::string_view relative, std::size_t size, std::time_t mtime = DefaultTime,
                 int lastByte = -1) const;
  void SetTime(std::string_view relative, std::time_t mtime) const;
  void Symlink(std::string_view target, std::string_view relative) const;
  void Fifo(std::string_view relative) const;

  // 2024-01-05 13:05:00 local time.
  static const std::time_t DefaultTime;
  static std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

 private:
  std::string root_;
};

}  // namespace kav::test
