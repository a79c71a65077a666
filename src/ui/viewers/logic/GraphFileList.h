#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"
#include "text/LocaleFacts.h"

namespace kav {

// Image indexes of the tree graph viewer: 1 to 4 are a directory node's state (paired,
// paired with changes, deleted, inserted), 5 to 8 a file row's change.
enum GraphImage : int {
  GraphImageNone = -1,
  GraphImageDirPaired = 1,
  GraphImageDirChanged = 2,
  GraphImageDirDeleted = 3,
  GraphImageDirInserted = 4,
  GraphImageFileEqual = 5,
  GraphImageFileDeleted = 6,
  GraphImageFileInserted = 7,
  GraphImageFileChanged = 8,
};

// The file row image of a change code: deleted, inserted, changed, else equal.
int FileImageOf(std::string_view changeCode);

// How many files of one directory there are, by change code.
struct FileCounts {
  int Total = 0;
  int Match = 0;
  int Change = 0;
  int Insert = 0;
  int Delete = 0;
};

// The totals line under the file list, in the first form that fits (all matched or changed;
// all deleted; all inserted; else every count), followed by "     (Filtered by Lchv)" under
// Lchv, else "     (Filtered by Lmcf)" under Lmcf.
std::string FileTotalsText(const FileCounts& counts, bool optLchv, bool optLmcf);

// One row of the file list: image, name, size text and date text.
struct GraphFileRow {
  int Image = GraphImageNone;
  std::string Name;
  std::string Size;
  std::string Date;
};

// What a click on a directory node shows.
struct DirectoryFiles {
  std::string DirText;  // "Dir: " + the directory's path
  std::vector<GraphFileRow> Rows;
  std::string TotalsText;
};

// The file list of the directory record at `row` of NewTreeLines: the file records that
// follow it one level deeper, counted all, listed as Lchv and Lmcf allow (Lchv: changed,
// inserted and deleted files; Lmcf: changed and equal files). A directory with no files shows
// one empty row and "Total 0 Files". Nothing when `row` is not a directory record.
std::optional<DirectoryFiles> ListDirectoryFiles(const RunState& state, int row,
                                                 const LocaleFacts& locale);

}  // namespace kav
