#include "platform/SettingsPath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace kav {
namespace {

std::string Join(const std::string& folder, const char* name) {
  if (!folder.empty() && folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

}  // namespace

std::string ChooseSettingsPath(const std::string& programDir, bool programDirWritable,
                               const char* xdgConfigHome, const char* home) {
  if (programDirWritable) return Join(programDir, SettingsFileName);
  if (IsAbsolute(xdgConfigHome)) return Join(xdgConfigHome, SettingsFileName);
  if (IsAbsolute(home)) return Join(Join(home, ".config"), SettingsFileName);
  return Join(programDir, SettingsFileName);
}

bool IsSystemProgramFolder(const std::string& folder) {
  static constexpr std::array<std::string_view, 8> SystemFolders = {
      "/bin",       "/sbin",          "/usr/bin",        "/usr/sbin",
      "/usr/games", "/usr/local/bin", "/usr/local/sbin", "/usr/local/games"};
  std::string_view path = folder;
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return std::find(SystemFolders.begin(), SystemFolders.end(), path) != SystemFolders.end();
}

std::string SettingsFilePath(const std::string& programDir) {
  const std::string inProgramDir = Join(programDir, SettingsFileName);
  bool writable =
      !programDir.empty() && !IsSystemProgramFolder(programDir) &&
      ::access(programDir.c_str(), W_OK) == 0 &&
      (::access(inProgramDir.c_str(), F_OK) != 0 || ::access(inProgramDir.c_str(), W_OK) == 0);
  return ChooseSettingsPath(programDir, writable, std::getenv("XDG_CONFIG_HOME"),
                            std::getenv("HOME"));
}

bool EnsureFolderOf(const std::string& filePath) {
  std::size_t slash = filePath.rfind('/');
  if (slash == std::string::npos || slash == 0) return true;
  const std::string folder = filePath.substr(0, slash);
  for (std::size_t next = 1; next <= folder.size(); ++next) {
    if (next != folder.size() && folder[next] != '/') continue;
    const std::string part = folder.substr(0, next);
    if (::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ProgramFolder() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t got = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (got < 0) return {};
    if (static_cast<std::size_t>(got) < buffer.size()) {
      std::string exe(buffer.data(), static_cast<std::size_t>(got));
      std::size_t slash = exe.rfind('/');
      if (slash == std::string::npos) return {};
      return slash == 0 ? std::string("/") : exe.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kav
