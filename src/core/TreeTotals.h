#pragma once

#include <cstdint>

namespace kav {

// The tree engine's counters; all 0 at the start of every run.
struct TreeTotals {
  int32_t TotalDirs = 0;   // directories met in the current scan, the root included
  int32_t TotalFiles = 0;  // files met in the current scan
  int32_t NewDirTotal = 0;
  int32_t NewFileTotal = 0;
  int32_t EntryCount = 0;  // files handled in the current scan (progress rhythm)
  int32_t PairedDirs = 0;
  int32_t InsertedDirs = 0;
  int32_t DeletedDirs = 0;
  int32_t EqualFiles = 0;
  int32_t ChangedFiles = 0;
  int32_t InsertedFiles = 0;
  int32_t DeletedFiles = 0;
  // Paired files whose comparison failed (unreadable, not a regular file, 2 GB or more).
  // They are reported as changed; this count lets a caller tell that the answer is incomplete.
  int32_t FailedFiles = 0;
  // Directories of the scans that could not be listed (their entries are missing).
  int32_t UnreadableDirs = 0;
};

}  // namespace kav
