// The settings file as any bytes: it is read, written back and read again. The second
// reading keeps what the first one did, and the write leaves every line outside the
// program's section as it was.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/SettingsPath.h"
#include "ui/main/logic/SettingsReader.h"
#include "ui/main/logic/SettingsWriter.h"

namespace {

// Says a history directory exists when its text is an absolute path without a '~', so that
// both the kept and the dropped entries are exercised without touching the disk.
class NamedDirectories final : public kav::FileSystem {
 public:
  int ListDirectory(const std::string&, std::vector<kav::DirEntry>&,
                    const kav::ListPoll&) const override {
    return ENOENT;
  }
  bool IsDirectory(const std::string& path) const override {
    return path.starts_with('/') && path.find('~') == std::string::npos;
  }
  bool Stat(const std::string&, kav::DirEntry&) const override { return false; }
  kav::OpenedFile Open(const std::string&) const override { return {nullptr, ENOENT}; }
};

std::string ScratchFile() {
  // A file system in memory where there is one: each write is flushed to disk.
  const std::filesystem::path base =
      access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::filesystem::temp_directory_path();
  return (base / ("kavdrift-fuzz-" + std::to_string(getpid())) / "settings.ini").string();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteAll(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool SameNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

struct Outside {
  std::string Text;  // every byte outside the program's sections
  bool HadSection = false;
};

// The file without the program's sections: a line whose first non-blank is '[' and that holds
// a ']' starts a section named by what lies between them.
Outside OutsideOfSection(const std::string& file) {
  Outside outside;
  bool inside = false;
  std::size_t start = 0;
  while (start < file.size()) {
    std::size_t end = file.find('\n', start);
    end = end == std::string::npos ? file.size() : end + 1;
    const std::string_view line(file.data() + start, end - start);
    const std::size_t first = line.find_first_not_of(" \t");
    const bool bom = start == 0 && line.starts_with("\xEF\xBB\xBF");
    const std::size_t open = bom ? line.find_first_not_of(" \t", 3) : first;
    if (open != std::string_view::npos && line[open] == '[' && line.find(']', open) != line.npos) {
      const std::size_t close = line.find(']', open);
      inside = SameNoCase(line.substr(open + 1, close - open - 1), kav::SettingsSection);
      outside.HadSection = outside.HadSection || inside;
      if (bom) outside.Text += "\xEF\xBB\xBF";
    }
    if (!inside) outside.Text.append(line);
    start = end;
  }
  return outside;
}

std::vector<kav::IniKeyValue> Load(const std::string& path) {
  NamedDirectories fs;
  kav::MainSettings settings;
  kav::RunState state;
  FUZZ_CHECK(kav::LoadSettingsFile(path, fs, settings, state));
  return kav::SettingsEntries(settings, state);
}

// A history is written whole, but its key is read by one index digit: entries from the
// eleventh on are written as NFCombo10=... and read back as values starting with '=', which
// name no directory, so only the first ten come back.
std::vector<kav::IniKeyValue> WhatComesBack(std::vector<kav::IniKeyValue> entries) {
  std::erase_if(entries, [](const kav::IniKeyValue& entry) {
    for (std::string_view family : {"NFCombo", "OFCombo", "NFDsCombo", "OFDsCombo"}) {
      if (entry.Key.starts_with(family) && entry.Key.size() > family.size() + 1) return true;
    }
    return false;
  });
  return entries;
}

bool Same(const std::vector<kav::IniKeyValue>& a, const std::vector<kav::IniKeyValue>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].Key != b[i].Key || a[i].Value != b[i].Value) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const std::string path = ScratchFile();
  const std::string original(reinterpret_cast<const char*>(data), size);
  WriteAll(path, original);

  NamedDirectories fs;
  kav::MainSettings settings;
  kav::RunState state;
  FUZZ_CHECK(kav::LoadSettingsFile(path, fs, settings, state));
  const std::vector<kav::IniKeyValue> first = kav::SettingsEntries(settings, state);
  FUZZ_CHECK(kav::SaveSettingsFile(path, settings, state).empty());
  const std::string written = ReadAll(path);
  FUZZ_CHECK(Same(Load(path), WhatComesBack(first)));

  // The write rewrote the section and nothing else; a file that had no section got one at its
  // end, after a line end of its own when its last line had none.
  const Outside before = OutsideOfSection(original);
  std::string expected = before.Text;
  if (!before.HadSection && !expected.empty() && expected.back() != '\n' &&
      expected != "\xEF\xBB\xBF") {
    expected += '\n';
  }
  FUZZ_CHECK(OutsideOfSection(written).Text == expected);
  return 0;
}
