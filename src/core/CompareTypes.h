#pragma once

#include <array>
#include <string_view>

#include "KavdriftVersion.h"

namespace kav {

// Item texts of the compare/list type combo box, in list order (item index = type - 1).
inline constexpr std::array<std::string_view, 6> CompareTypeItems = {
    "1. Compare All Like-Name Files - Current New/Old Dirs",
    "2. Compare All Like-Name Files - All Sub Levels",
    "3. Select & Compare  - Like-Name File List -  ...",
    "4. Select & Compare - Like/UnLike Name File List  ...",
    "5. List All Sub Levels Dir/Files - New Dir Tree - Only",
    "6. List All Sub Levels Dir/Files - New/Old Dir Tree",
};

// The type (1..6) whose item text equals the text exactly, or 0 when none does.
inline int CompareTypeOf(std::string_view text) {
  for (std::size_t i = 0; i < CompareTypeItems.size(); ++i) {
    if (CompareTypeItems[i] == text) return static_cast<int>(i) + 1;
  }
  return 0;
}

inline constexpr std::string_view VersionText =
    "Kavendrift V" KAVDRIFT_VERSION " - (" KAVDRIFT_VERSION_DATE ")";
inline constexpr std::string_view ApplicationTitle = "Kavdrift V" KAVDRIFT_VERSION;

}  // namespace kav
