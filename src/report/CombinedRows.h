#pragma once

#include "core/RunContext.h"
#include "report/ColoredLineWriter.h"

namespace kav {

// Writes the directory and file rows of the combined report (rows 1 to the end of
// NewTreeLines): status marks, the option filters and their "Line(s) Filtered" messages.
// Reads the records, never changes them.
class CombinedRows {
 public:
  CombinedRows(const RunContext& ctx, ColoredLineWriter& out);

  // One row of NewTreeLines after the root. Records of other kinds than directory and file
  // are passed over.
  void Add(const TreeNode& row);
  // After the last row: the pending filter message, if any.
  void Finish();

 private:
  void AddDirectory(const TreeNode& dir);
  void AddFile(const TreeNode& file);
  void Hide(const TreeNode& row);
  void EmitFilterMessage();

  const RunState& state_;
  const LocaleFacts& locale_;
  ColoredLineWriter& out_;

  // Per directory, reset at each directory row.
  bool hideFiles_ = false;
  bool keepQuiet_ = false;  // hidden rows are not counted
  bool nonPairedUnderLchv_ = false;

  int32_t filteredRows_ = 0;
  int32_t filteredEqual_ = 0;
  int32_t filteredIns_ = 0;
  int32_t filteredDel_ = 0;
  int messageIndent_ = 3;
};

}  // namespace kav
