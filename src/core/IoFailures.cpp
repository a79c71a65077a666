#include "core/IoFailures.h"

#include <algorithm>

namespace kav {

void RecordIoFailure(RunState& state, std::string path, int code) {
  state.IoFailures.push_back(IoError{std::move(path), code});
}

std::string IoFailureMessage(const std::vector<IoError>& failures, std::size_t shown) {
  if (failures.empty()) return {};
  std::string text = "The results are incomplete. These could not be read:";
  const std::size_t listed = std::min(shown, failures.size());
  for (std::size_t k = 0; k < listed; ++k) text += "\r" + IoErrorText(failures[k]);
  if (failures.size() > listed) {
    text += "\r... and " + std::to_string(failures.size() - listed) + " more.";
  }
  return text;
}

}  // namespace kav
