// Deterministic trees for the desktop program's run benchmark.
#include "GuiRunTrees.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace kav::bench {
namespace fs = std::filesystem;

namespace {

constexpr int kFilesPerDir = 50;
constexpr std::time_t kStamp = 1704459900;  // 2024-01-05 13:05 UTC

// Between 200 and 2,199 bytes, the same for the same index on every call.
std::size_t SizeOf(int index) {
  return 200 + static_cast<std::size_t>((static_cast<std::uint32_t>(index) * 7919u) % 2000u);
}

void WriteFile(const fs::path& path, std::size_t size, char fill) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes(size, fill);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  out.close();
  struct timespec times[2] = {{kStamp, 0}, {kStamp, 0}};
  if (utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
    throw std::system_error(errno, std::generic_category(), path.string());
  }
}

// Files 0..count-1 under `root`: in directories of 50 when `nested`, else all in `root`.
fs::path FilePath(const fs::path& root, int index, bool nested) {
  char name[32];
  std::snprintf(name, sizeof name, "f%05d.dat", index);
  if (!nested) return root / name;
  char dir[16];
  std::snprintf(dir, sizeof dir, "d%04d", index / kFilesPerDir);
  return root / dir / name;
}

void MakePair(const fs::path& newRoot, const fs::path& oldRoot, int count, bool nested) {
  const int step = count / 20 > 0 ? count / 20 : 1;  // 20 changed, 10 deleted, 10 inserted
  for (int i = 0; i < count; ++i) {
    const fs::path newFile = FilePath(newRoot, i, nested);
    const fs::path oldFile = FilePath(oldRoot, i, nested);
    if (i % kFilesPerDir == 0 || !nested) {
      fs::create_directories(newFile.parent_path());
      fs::create_directories(oldFile.parent_path());
    }
    WriteFile(oldFile, SizeOf(i), 'a');
    const bool changed = i % step == step / 2;
    const bool deleted = i % (2 * step) == 1;
    const bool inserted = i % (2 * step) == 3;
    if (deleted) continue;
    WriteFile(newFile, SizeOf(i) + (changed ? 1 : 0), changed ? 'b' : 'a');
    if (inserted) WriteFile(newFile.string() + ".ins", SizeOf(i), 'c');
  }
}

}  // namespace

BenchTrees MakeBenchTrees(const std::string& work, int dirs) {
  const int files = dirs * kFilesPerDir;
  const fs::path base = fs::path(work) / ("gui-run-" + std::to_string(files));
  BenchTrees trees{(base / "tree/new").string(), (base / "tree/old").string(),
                   (base / "flat/new").string(), (base / "flat/old").string(), files};
  const fs::path done = base / "complete";
  if (fs::exists(done)) return trees;
  fs::remove_all(base);
  MakePair(trees.TreeNew, trees.TreeOld, files, true);
  MakePair(trees.FlatNew, trees.FlatOld, files, false);
  std::ofstream(done).put('\n');
  return trees;
}

}  // namespace kav::bench
