#include "support/TempTree.h"

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kav::test {

namespace fs = std::filesystem;

std::time_t TempTree::LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  parts.tm_hour = hour;
  parts.tm_min = minute;
  parts.tm_sec = second;
  parts.tm_isdst = -1;
  return std::mktime(&parts);
}

const std::time_t TempTree::DefaultTime = TempTree::LocalTime(2024, 1, 5, 13, 5, 0);

TempTree::TempTree() {
  std::string pattern = (fs::temp_directory_path() / "kavdrift-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempTree::~TempTree() {
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

std::string TempTree::Path(std::string_view relative) const {
  return root_ + "/" + std::string(relative);
}

void TempTree::Dir(std::string_view relative) const {
  fs::create_directories(Path(relative));
}

void TempTree::File(std::string_view relative, std::string_view content, std::time_t mtime) const {
  std::string path = Path(relative);
  fs::create_directories(fs::path(path).parent_path());
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
  }
  SetTime(relative, mtime);
}

void TempTree::SizedFile(std::string_view relative, std::size_t size, std::time_t mtime,
                         int lastByte) const {
  std::string content(size, '\0');
  for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<char>('a' + i % 26);
  if (lastByte >= 0 && size > 0) content[size - 1] = static_cast<char>(lastByte);
  File(relative, content, mtime);
}

void TempTree::SetTime(std::string_view relative, std::time_t mtime) const {
  struct timeval times[2] = {{mtime, 0}, {mtime, 0}};
  if (::lutimes(Path(relative).c_str(), times) != 0) throw std::runtime_error("lutimes failed");
}

void TempTree::Symlink(std::string_view target, std::string_view relative) const {
  fs::create_symlink(std::string(target), Path(relative));
}

void TempTree::Fifo(std::string_view relative) const {
  if (::mkfifo(Path(relative).c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed");
}

}  // namespace kav::test
