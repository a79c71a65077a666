#include "ui/select/logic/LikeNames.h"

#include <algorithm>
#include <unordered_map>

#include "text/Format.h"
#include "ui/select/logic/SelectionText.h"

namespace kav {
namespace {

bool SameFiles(const LikeEntry& a, const LikeEntry& b) {
  return a.NewDisk == b.NewDisk && a.OldDisk == b.OldDisk;
}

void SortList(LikeList& list, LikeSort sort) {
  std::sort(list.begin(), list.end(),
            [sort](const LikeEntry& a, const LikeEntry& b) { return LikeBefore(a, b, sort); });
}

// Takes the entries at `rows` out of `from`, keeping the order of both parts; O(n).
LikeList TakeRows(LikeList& from, std::vector<int> rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  LikeList taken;
  LikeList kept;
  taken.reserve(rows.size());
  kept.reserve(from.size() - std::min(from.size(), rows.size()));
  auto next = rows.begin();
  for (std::size_t i = 0; i < from.size(); ++i) {
    if (next != rows.end() && *next == static_cast<int>(i)) {
      taken.push_back(std::move(from[i]));
      ++next;
    } else {
      kept.push_back(std::move(from[i]));
    }
  }
  from = std::move(kept);
  return taken;
}

// Merges `moved` into the ordered list `to`.
void MergeInto(LikeList& to, LikeList moved, LikeSort sort) {
  SortList(moved, sort);
  LikeList merged;
  merged.reserve(to.size() + moved.size());
  std::merge(std::make_move_iterator(to.begin()), std::make_move_iterator(to.end()),
             std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()),
             std::back_inserter(merged),
             [sort](const LikeEntry& a, const LikeEntry& b) { return LikeBefore(a, b, sort); });
  to = std::move(merged);
}

}  // namespace

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return name.substr(dot);
}

bool LikeBefore(const LikeEntry& a, const LikeEntry& b, LikeSort sort) {
  if (sort == LikeSort::Extension) {
    const std::string_view ea = ExtensionOf(a.Name);
    const std::string_view eb = ExtensionOf(b.Name);
    if (ea != eb) return ea < eb;
  }
  if (a.Name != b.Name) return a.Name < b.Name;
  if (a.NewDisk != b.NewDisk) return a.NewDisk < b.NewDisk;
  return a.OldDisk < b.OldDisk;
}

LikeList BuildLikeNameList(const SelectableFiles& news, const SelectableFiles& olds,
                           LikeSort sort) {
  LikeList list;
  const auto& n = news.Files();
  const auto& o = olds.Files();
  std::size_t i = 0;
  std::size_t j = 0;
  // Both listings are in name order: walk them side by side, one run of equal names at a time.
  while (i < n.size() && j < o.size()) {
    if (n[i].Name < o[j].Name) {
      ++i;
    } else if (o[j].Name < n[i].Name) {
      ++j;
    } else {
      std::size_t iEnd = i;
      std::size_t jEnd = j;
      while (iEnd < n.size() && n[iEnd].Name == n[i].Name) ++iEnd;
      while (jEnd < o.size() && o[jEnd].Name == o[j].Name) ++jEnd;
      for (std::size_t a = i; a < iEnd; ++a) {
        for (std::size_t b = j; b < jEnd; ++b) list.push_back({n[a].Name, n[a].Disk, o[b].Disk});
      }
      i = iEnd;
      j = jEnd;
    }
  }
  if (sort != LikeSort::Name) SortList(list, sort);
  return list;
}

LikeList ParseLikeSelection(std::string_view text) {
  LikeList list;
  for (std::string& name : SplitSelectionText(text)) list.push_back({std::move(name), {}, {}});
  return list;
}

std::string LikeSelectionText(const LikeList& selected) {
  std::vector<std::string_view> names;
  names.reserve(selected.size());
  for (const LikeEntry& entry : selected) names.push_back(entry.Name);
  return JoinSelectionText(names);
}

std::vector<SelectedPair> LikePairs(const LikeList& selected) {
  std::vector<SelectedPair> pairs;
  pairs.reserve(selected.size());
  for (const LikeEntry& entry : selected) pairs.push_back({entry.NewDisk, entry.OldDisk});
  return pairs;
}

void LikeSelection::SetSelected(LikeList selected) {
  selected_ = std::move(selected);
  SortList(selected_, LikeSort::Name);
}

void LikeSelection::SetSort(LikeSort sort) {
  if (sort == sort_) return;
  sort_ = sort;
  SortList(available_, sort_);
}

void LikeSelection::SelectRows(std::vector<int> rows) {
  MergeInto(selected_, TakeRows(available_, std::move(rows)), LikeSort::Name);
}

void LikeSelection::UnselectRows(std::vector<int> rows) {
  MergeInto(available_, TakeRows(selected_, std::move(rows)), sort_);
}

void LikeSelection::SelectAll() {
  MergeInto(selected_, std::move(available_), LikeSort::Name);
  available_.clear();
}

void LikeSelection::UnselectAll() {
  MergeInto(available_, std::move(selected_), sort_);
  selected_.clear();
}

void LikeSelection::Reconcile() {
  std::unordered_map<std::string, std::vector<std::size_t>> byName;
  for (std::size_t i = 0; i < available_.size(); ++i) byName[available_[i].Name].push_back(i);
  std::vector<bool> taken(available_.size(), false);
  std::vector<bool> keep(selected_.size(), false);
  for (std::size_t k = selected_.size(); k-- > 0;) {
    auto found = byName.find(ToLower(selected_[k].Name));
    if (found == byName.end() || found->second.empty()) continue;
    std::vector<std::size_t>& candidates = found->second;
    // The entry with the same files when there is one (a filter change), else the last.
    auto pick = std::find_if(candidates.begin(), candidates.end(),
                             [&](std::size_t i) { return SameFiles(available_[i], selected_[k]); });
    if (pick == candidates.end()) pick = candidates.end() - 1;
    selected_[k] = available_[*pick];
    taken[*pick] = true;
    keep[k] = true;
    candidates.erase(pick);
  }
  LikeList available;
  LikeList selected;
  for (std::size_t i = 0; i < available_.size(); ++i) {
    if (!taken[i]) available.push_back(std::move(available_[i]));
  }
  for (std::size_t k = 0; k < selected_.size(); ++k) {
    if (keep[k]) selected.push_back(std::move(selected_[k]));
  }
  available_ = std::move(available);
  SetSelected(std::move(selected));
}

}  // namespace kav
