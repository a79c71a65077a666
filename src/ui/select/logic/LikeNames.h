#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "compare/ResolveNames.h"
#include "ui/select/logic/SelectableFiles.h"

namespace kav {

// One like-named file pair of the type 3 window: the name it shows and the two files it opens.
// A name that two files of one side carry (differing only in case) gives one entry for each
// New/Old combination, as pairing every New name with every Old name does.
struct LikeEntry {
  std::string Name;  // lower-cased
  std::string NewDisk;
  std::string OldDisk;
};
using LikeList = std::vector<LikeEntry>;

enum class LikeSort { Name, Extension };

// The extension by which "Extension" sorts: from the last '.' on; "" when the name has no '.'
// or its only '.' starts it (a dot-file such as ".profile" has no extension).
std::string_view ExtensionOf(std::string_view name);

// True when `a` stands before `b` in the order `sort`: by name; or by extension, then name.
bool LikeBefore(const LikeEntry& a, const LikeEntry& b, LikeSort sort);

// The like-named pairs of two listings, in the order `sort`: the same entries, duplicates
// included, as comparing every New name with every Old name would give, in O(n log n).
LikeList BuildLikeNameList(const SelectableFiles& news, const SelectableFiles& olds, LikeSort sort);

// The kept selection (names each followed by ';') as selected entries without files yet.
LikeList ParseLikeSelection(std::string_view text);
// The names of `selected`, each followed by ';'; "" for none.
std::string LikeSelectionText(const LikeList& selected);
// The pairs a compare opens, by their on-disk names, in list order.
std::vector<SelectedPair> LikePairs(const LikeList& selected);

// The available and selected lists of the type 3 window, each name in at most one of them.
// The selected list is always in name order, the available one in the chosen order.
class LikeSelection {
 public:
  const LikeList& Available() const { return available_; }
  const LikeList& Selected() const { return selected_; }
  LikeSort Sort() const { return sort_; }

  // A freshly built available list (in the current order); the selection stays.
  void SetAvailable(LikeList available) { available_ = std::move(available); }
  // The kept selection replaces the selected list.
  void SetSelected(LikeList selected);
  void SetSort(LikeSort sort);

  // Moves the available entries at `rows` (any order) to the selected list.
  void SelectRows(std::vector<int> rows);
  // Moves the selected entries at `rows` back to the available list.
  void UnselectRows(std::vector<int> rows);
  void SelectAll();
  void UnselectAll();
  // Walking the selected list from its last entry to its first: a name that is available
  // (without regard to case) leaves the available list and keeps that entry's files; a name
  // that is not leaves the selection.
  void Reconcile();

 private:
  LikeList available_;
  LikeList selected_;
  LikeSort sort_ = LikeSort::Name;
};

}  // namespace kav
