#include "platform/IoError.h"

#include <cstring>

namespace kav {

std::string IoErrorText(const IoError& error) {
  std::string_view path = error.Path;
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  std::string text(path);
  text += ": ";
  text += error.Code == NotRegularFile ? "Not a regular file" : std::strerror(error.Code);
  return text;
}

}  // namespace kav
