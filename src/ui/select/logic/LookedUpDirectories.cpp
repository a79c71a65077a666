#include "ui/select/logic/LookedUpDirectories.h"

namespace kav {
namespace {

std::string WithSlash(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + '/';
}

}  // namespace

void TakeLookedUpDirectories(RunState& state, const std::string& newDir,
                             const std::string& oldDir) {
  state.Panel.MnCbNewDirNm = newDir;
  state.Panel.MnCbOldDirNm = oldDir;
  state.NewDirName = WithSlash(newDir);
  state.OldDirName = WithSlash(oldDir);
}

}  // namespace kav
