#pragma once

#include <cstddef>

#include "core/TreeNode.h"
#include "tree/RecordPaths.h"

namespace kav {

// The merge rules of two depth-first tree lists (index 0, the root, is handled by the
// caller). Each rule looks at the New record n and the Old record o at the two fronts.

// n is New-only: deeper than o, or at o's level and kind with a smaller relative name, or a
// file where o is a directory. `order` gives the order of their relative names.
template <class Order>
bool IsInsertion(const TreeNode& n, const TreeNode& o, Order order) {
  if (n.Level > o.Level) return true;
  if (n.Kind == o.Kind) return n.Level == o.Level && order() < 0;
  return n.Kind == NodeFile;
}

// o is Old-only: the mirror image of IsInsertion.
template <class Order>
bool IsDeletion(const TreeNode& n, const TreeNode& o, Order order) {
  if (n.Level < o.Level) return true;
  if (n.Kind == o.Kind) return n.Level == o.Level && order() > 0;
  return o.Kind == NodeFile;
}

// Same level, same kind, same relative name. A file never pairs with a directory, not even
// with two names that differ only in case standing on one side.
template <class Order>
bool IsPairing(const TreeNode& n, const TreeNode& o, Order order) {
  return n.Level == o.Level && n.Kind == o.Kind && order() == 0;
}

// A directory pair of which one side could not be listed: neither side's entries can be
// judged, so both count as unlisted.
inline void ShareUnlisted(TreeNode& n, TreeNode& o) {
  if (n.Kind != NodeDir || (n.Unlisted == 0 && o.Unlisted == 0)) return;
  n.Unlisted = 1;
  o.Unlisted = 1;
}

// True for an entry of an unlisted directory: it only seems New-only or Old-only because the
// other side could not be read. It is left out of the merge; a directory among them passes
// the mark on to its own entries.
inline bool IsBelowUnlisted(const TreeNodeList& list, std::size_t k) {
  TreeNode& r = *list[k];
  if (r.ParentIndex < 0 || list[static_cast<std::size_t>(r.ParentIndex)]->Unlisted == 0) {
    return false;
  }
  if (r.Kind == NodeDir) r.Unlisted = 1;
  return true;
}

// Walks both lists from index 1 in one pass until both are exhausted or a halt is requested.
// Each cycle applies the insertion, deletion and pairing tests in turn, each on the records
// then at the fronts, and calls the visitor's Insert(i), Delete(j) or Pair(i, j); entries
// below an unlisted directory pair are passed over without a call. BeginCycle(i) runs first
// in every cycle in which the New side is not exhausted.
template <class Visitor>
void MergeTreeLists(const TreeNodeList& news, const TreeNodeList& olds, const bool& halt,
                    Visitor& visitor) {
  std::size_t i = 1;
  std::size_t j = 1;
  const std::size_t newEnd = news.size();
  const std::size_t oldEnd = olds.size();
  if (newEnd > 0 && oldEnd > 0) ShareUnlisted(*news[0], *olds[0]);
  RelativeOrder names(news, olds);
  const auto order = [&] { return names.Compare(i, j); };
  while (!halt && (i < newEnd || j < oldEnd)) {
    if (i < newEnd) visitor.BeginCycle(i);
    bool decided = false;
    if (i < newEnd && (j >= oldEnd || IsInsertion(*news[i], *olds[j], order))) {
      if (!IsBelowUnlisted(news, i)) visitor.Insert(i);
      ++i;
      decided = true;
    }
    if (j < oldEnd && (i >= newEnd || IsDeletion(*news[i], *olds[j], order))) {
      if (!IsBelowUnlisted(olds, j)) visitor.Delete(j);
      ++j;
      decided = true;
    }
    if (i < newEnd && j < oldEnd && IsPairing(*news[i], *olds[j], order)) {
      ShareUnlisted(*news[i], *olds[j]);
      if (news[i]->Kind == NodeDir) names.Paired(i, j);
      visitor.Pair(i++, j++);
      decided = true;
    }
    // Records of other kinds than directory and file would stall the rules; list them as
    // New-only rather than loop for ever.
    if (!decided && i < newEnd) visitor.Insert(i++);
  }
}

}  // namespace kav
