#include "ui/viewers/logic/LegendTexts.h"

#include "core/TreeNode.h"

namespace kav {

const std::vector<LegendGroup>& ChangeFlagLegend() {
  static const std::vector<LegendGroup> legend = {
      {"Combined Directory-Nodes Section :",
       {{"\"   \" ", ": Matching new and old dir names.  Included files have no changes.",
         ColorBlack},
        {"\" * \" ", ": Matching new and old dir names.  Included files have changes.", ColorBlack},
        {"\" + \" ", ": Inserted new directory at new directory sequence level ", ColorBlue},
        {"\" - \" ", ": Deleted old directory at new directory sequence level ", ColorRed}}},
      {"Directory File-Nodes Section (when files displayed):",
       {{"\"   \" ", ": Matching files at directory  level due to binary inspect or \"Aeqf\"  ",
         ColorBlack},
        {"\" * \" ", ": Changed file data content at directory level", ColorBlack},
        {"\" +\" ", ": Inserted file at directory  level ", ColorBlue},
        {"\" -\" ", ": Deleted file at directory level", ColorRed}}},
      {"Combined Directory and File Report Section ",
       {{"", "Same notations as above but listed in columns with surrounding \"( )\".",
         ColorBlack}}},
      {"Single and Side-by-Side Panel Reports:",
       {{"Blank", ": New and Old file/directory names and size matches at sub-level.  ",
         ColorBlack},
        {"*", ": Changed size of matching New and Old file/dir. name at sub-level.  ", ColorBlack},
        {"I -", ": Inserted file in new directory.  Absent  from old directory.", ColorBlue},
        {"D -", ": Deleted file from old directory.  Absent from new directory.", ColorRed},
        {"DD-", ": Deleted Subdirectory in Old Directory Tree Structure.", ColorBlue},
        {"ID-", ": Inserted Subdirectory in New Directory Tree Structure.", ColorRed}}},
  };
  return legend;
}

}  // namespace kav
