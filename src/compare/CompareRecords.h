#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/BlockSource.h"
#include "platform/ChunkPairsAhead.h"
#include "platform/FileSystem.h"

namespace kav {

inline constexpr int32_t EqualReturnCode = 0;
inline constexpr int32_t DiffReturnCode = 1;
inline constexpr int32_t ErrorReturnCode = 2;

// Above this size a file pair shows its own progress ("File Progress"): decimal, not 4 MiB.
inline constexpr int64_t LargeFileSize = 4'000'000;
// Files of this size or more are refused: the reports were laid out for 31-bit sizes.
inline constexpr int64_t TooLargeFileSize = int64_t{1} << 31;

// The outcome of one pair (or, after the summary's merge, of one inserted or deleted name).
struct FileResult {
  bool EqualByStamp = false;
  bool Changed = false;
  bool Processed = false;
  bool Inserted = false;
  bool Deleted = false;
  bool NotProcessed = false;
  int32_t Position = 0;  // its index in FileResults
  int64_t NewSize = 0;
  int64_t OldSize = 0;
  uint32_t NewStamp = 0;  // packed DOS date/time; 0 when the file was never opened
  uint32_t OldStamp = 0;
};

// Accumulated over every pair of a run.
struct RunTotals {
  bool OpenError = false;
  bool TooLarge = false;
  int32_t ProcessedCount = 0;
  int32_t EqualStampCount = 0;
  int64_t NewBytesProcessed = 0;
  int64_t OldBytesProcessed = 0;
  int64_t NewBytesNotProcessed = 0;
  int64_t OldBytesNotProcessed = 0;
  int32_t ChangedCount = 0;
  int32_t MaxReturnCode = 0;
};

// The pair being compared.
struct FileStatus {
  bool Differs = false;
  bool EqualByStamp = false;
  int64_t NewSize = 0;
  int64_t OldSize = 0;
  uint32_t NewStamp = 0;
  uint32_t OldStamp = 0;
  int32_t ReturnCode = EqualReturnCode;
};

// One side of the pair being compared. Path is the full on-disk path, never shortened.
struct InputSide {
  std::string Path;
  std::unique_ptr<InputFile> Stream;
  // Its first chunk, when it was read ahead (the file, if still open, is then held here).
  std::optional<BlockSource> Source;
  uint32_t Stamp = 0;
  int64_t Size = 0;
  // A FIFO, socket or device: no Stream, size 0, its stamp from the directory. Such a side
  // never has its bytes read; a pair that would need them is an error.
  bool NotRegular = false;
};

// Everything the compare section keeps from the first pair to the end of the pair loop.
struct CompareRecords {
  std::vector<FileResult> FileResults;
  RunTotals Totals;
  FileStatus Status;
  InputSide New;
  InputSide Old;
  int32_t CurrentPairIndex = 0;
  ReadHelp Help;  // for reading a large pair; without workers this thread reads alone
};

}  // namespace kav
