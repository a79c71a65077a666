#pragma once

#include <string>
#include <string_view>

#include "core/TreeNode.h"
#include "tree/RecordPaths.h"

namespace kav {

// How one side of the side-by-side report names and indents its entries.
struct SideLayout {
  // OptLchv: names relative to the root, not the last component, built over the side's list
  // (relative, lower-cased); none for the last components.
  RecordPaths* RelativeNames = nullptr;
  std::string_view ThousandsSeparator = ",";
};

// The name an entry shows: its last name component with the leading '/' (the root: its own
// name and '/'), or under RelativeNames its name relative to the root ("/" for the root).
std::string SideDisplayName(const TreeNode& entry, const SideLayout& side);

// The New (left) row text of a directory or file entry r; s is the Old row beside it, or
// nullptr. A file of 2 GB or more shows "Err" in place of its code and size 0; the record
// itself is left as it is. Other kinds of record have no text of their own: returns r.Text.
std::string LeftRowText(const TreeNode& r, const TreeNode* s, const SideLayout& side);

// The Old (right) row text of a directory or file entry s (files show no size).
std::string RightRowText(const TreeNode& s, const SideLayout& side);

}  // namespace kav
