#include "ui/viewers/logic/ReportSaveName.h"

#include "text/CharacterCut.h"
#include "text/Format.h"

namespace kav {
namespace {

constexpr std::size_t OutputFileNameLimit = 149;

std::string_view LastComponent(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The folder part of a path, with its trailing '/' ("" when there is none).
std::string FolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace

SaveDialogStart GraphSaveDialogStart(std::string_view storedName, bool storedExists,
                                     std::string_view newDirText) {
  if (!storedName.empty() && storedExists) {
    return {FolderOf(storedName), std::string(LastComponent(storedName))};
  }
  std::string_view dir = newDirText;
  while (dir.size() > 1 && dir.back() == '/') dir.remove_suffix(1);
  return {FolderOf(dir), {}};
}

bool IsRtfFileName(std::string_view path) {
  const std::string_view name = LastComponent(path);
  const std::size_t dot = name.rfind('.');
  return dot != std::string_view::npos && EqualsNoCase(name.substr(dot), ".rtf");
}

std::string WithDefaultExtension(std::string_view path, std::string_view extension) {
  const std::string_view name = LastComponent(path);
  if (name.empty() || name.find('.') != std::string_view::npos) return std::string(path);
  return std::string(path) + std::string(extension);
}

std::string KeptOutputFileName(std::string_view path) {
  return CutCharacters(path, OutputFileNameLimit);
}

}  // namespace kav
