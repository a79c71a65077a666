#include "tree/TreeRecords.h"

namespace kav {

void ReleaseTreeRecords(RunState& state) {
  state.NewTreeNodes.clear();
  state.OldTreeNodes.clear();
  state.NewTreeLines.clear();
  state.OldTreeLines.clear();
  state.TreeNodes.Clear();
}

std::string LastComponent(std::string_view path) {
  if (!path.empty() && path.back() == '/') path.remove_suffix(1);
  const std::size_t slash = path.rfind('/');
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  return std::string(path);
}

void ForgetFileNames(TreeNode& record) {
  if (record.Kind == NodeDir) return;
  record.Name = NodeText();
  record.DiskName = NodeText();
}

TreeNode* NewTreeRecord(RunState& state, uint8_t kind) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  return node;
}

}  // namespace kav
