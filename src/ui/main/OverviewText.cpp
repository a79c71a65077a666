#include "ui/main/MainPages.h"

namespace kav::ui {

const char* OverviewText() {
  return R"(Kavendrift compares a New directory with an Old directory, file by file and byte by byte. Files are paired by name without regard to letter case; a pair is either equal or different, and the program never looks for where inside a file the difference lies. That keeps it fast enough for whole directory trees. A file found only in the New directory is "inserted", one found only in the Old directory is "deleted"; whole sub-directories are called inserted or deleted in the same way. The compared directories are only read, never written.

HOW TO RUN
Name the New and Old directories (type them, pick them from the history lists, drop folders from the file manager onto the window, or browse for them on the Directory Select page), choose a Compare/List Type, set any preferences, and press Start. Halt stops a run at its next step. The report opens in a viewer; "Re-Show Last Report Panel" opens it again later.

THE DIRECTORY SELECT PAGE
Choose a drive (a mounted file system) and click a directory in the Directory Name List: it becomes the Selected Directory. "To Main New Dir" and "To Main Old Dir" carry it to the Main Panel, and so does dragging it from the list onto the New or Old box or button of the page. A directory typed or chosen in the page's own New Dir and Old Dir boxes is shown in the list and carried at once. Return goes back to the Main Panel, first asking when a Main Panel directory was left unchanged (unless "No Warn on return ..." is checked); Cancel puts back the directories that were there when the page was entered.

COMPARE/LIST TYPES
1. Compares the like-named files of the two directories, this level only, and writes a grouped summary: changed, equal, inserted and deleted files with their sizes.
2. Compares the two whole trees, every sub-directory included, and writes a combined tree report (or a side-by-side report with the Lsbs preference).
3. Like type 1, but only on the like-named files you select.
4. Like type 1, on New/Old pairs you build yourself; the two names of a pair may differ.
5. Lists the New tree with its directories, files and sizes; nothing is compared.
6. Lists the New and Old trees side by side; nothing is compared.

SELECTING FILES (TYPES 3 AND 4)
Start with type 3 opens the like-name selection window: on the left the files both directories hold, on the right the ones you pick. Highlight names and move them with the four buttons, narrow the list with a filter such as *.txt;*.doc (Enter applies it; an empty filter is *.*), and sort it by name or by extension. Start Compare compares the picked files; Return closes the window without comparing.
Start with type 4 opens the like/unlike-name selection window: highlight one New file and one Old file and press "Select New-Old Pair" to add the pair; the names may differ and a pair may be added twice. Each side has its own filter. "Undo Highlighted" removes pairs; Start Compare compares them in the order added.
In both windows "Dir LookUp ..." changes the New and Old directories without leaving the window; picked names that are not in the new directories leave the selection. Both windows show regular files only, names starting with a dot included. The selections are kept in Kavdrift.ini for the next start; names no longer there are dropped when the window opens.

PREFERENCES
Veqf - Files of equal size and time stamp are still read and compared byte by byte, instead of being taken as equal.
Chgo - The summary lists changed files only.
Spnm - The summary leaves out the not-paired (inserted and deleted) names.
Ldeo - Tree listings show directories only, no files.
Itdt - Report lines show each file's date and time.
Ovso - Only the overall summary totals, without the tree section.
Lmcf - In paired directories list only changed and matched files.
Gmsg - Add a message line for a directory whose files were filtered out.
Lchv - List only changed, inserted and deleted entries, plus all non-paired directories.
Lsbs - Show a type 2 compare as a side-by-side report instead of the tree report.

THE REPORT VIEWER
Rows are coloured by their change: changed files red, inserted files green and deleted files blue in a summary. The arrow buttons jump to the next or previous span of changes of another kind; Find searches the rows without regard to case; the font size boxes set the list's and the printout's size.

SETTINGS
Directories, history lists, the chosen type, the preferences and the viewers' sizes are kept in the file Kavdrift.ini, next to the program, or in your configuration folder when the program's folder cannot be written.)";
}

}  // namespace kav::ui
