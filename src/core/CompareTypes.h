#pragma once

#include <array>
#include <string_view>

#include "KavdriftVersion.h"

namespace kav {

// The compare/list types, numbered as the combo box items show them; None is no type.
enum class CompareType {
  None = 0,
  LikeNames = 1,      // like-name files of the current New/Old directories
  TreeCompare = 2,    // like-name files of all sub-levels
  SelectLike = 3,     // select & compare from the like-name file list
  SelectUnlike = 4,   // select & compare from the like/unlike-name file list
  ListNewTree = 5,    // list the New tree only
  ListBothTrees = 6,  // list the New and the Old tree
};

// Item texts of the compare/list type combo box, in list order (item index = type - 1).
inline constexpr std::array<std::string_view, 6> CompareTypeItems = {
    "1. Compare All Like-Name Files - Current New/Old Dirs",
    "2. Compare All Like-Name Files - All Sub Levels",
    "3. Select & Compare  - Like-Name File List -  ...",
    "4. Select & Compare - Like/UnLike Name File List  ...",
    "5. List All Sub Levels Dir/Files - New Dir Tree - Only",
    "6. List All Sub Levels Dir/Files - New/Old Dir Tree",
};

// The type whose item text equals the text exactly, or None when none does.
inline CompareType CompareTypeOf(std::string_view text) {
  for (std::size_t i = 0; i < CompareTypeItems.size(); ++i) {
    if (CompareTypeItems[i] == text) return static_cast<CompareType>(i + 1);
  }
  return CompareType::None;
}

// The combo box item text of a type other than None.
inline std::string_view CompareTypeText(CompareType type) {
  return CompareTypeItems[static_cast<std::size_t>(type) - 1];
}

inline constexpr std::string_view VersionText =
    "Kavendrift V" KAVDRIFT_VERSION " - (" KAVDRIFT_VERSION_DATE ")";
inline constexpr std::string_view ApplicationTitle = "Kavdrift V" KAVDRIFT_VERSION;

}  // namespace kav
