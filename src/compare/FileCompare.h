#pragma once

#include "compare/CompareRecords.h"
#include "core/RunContext.h"
#include "platform/PairReadAhead.h"

namespace kav {

// The binary comparison of the pair at records.CurrentPairIndex, in four steps that the compare
// section calls in this order. Outcomes go into the records; nothing throws.

// Appends the pair's FileResult and opens both files (on-disk names). A file that is missing,
// not a regular file or cannot be opened gives return code 2 and OpenError; one of 2 GB or more
// shows its message and gives return code 2 and TooLarge; the other side is then not opened.
// With Veqf off, equal sizes and stamps mark the pair equal by stamp.
void PrepareFilePair(RunContext& ctx, CompareRecords& records);
// The same with the pair as PairRequest() opened it, on this thread or ahead on another.
void PrepareFilePair(RunContext& ctx, CompareRecords& records, PairReadAhead::Pair opened);

// What opens pair i (in PairedNewNames/PairedOldNames) as PrepareFilePair needs it: on-disk
// paths, and its first chunks read only when the opened files' sizes and stamps ask for that.
PairReadAhead::Request PairRequest(const RunState& state, std::size_t i);

// Decides equal or different: sizes first, then (Veqf off) the stamps, then 4096-byte blocks,
// with progress, the busy animation and a halt poll per block. A failed read gives return
// code 2 and is never taken for the end of a file.
void CompareFilePair(RunContext& ctx, CompareRecords& records);

// Counts a compared pair into its FileResult and the run totals.
void RecordPairResult(CompareRecords& records);

// Closes both files.
void ClosePair(CompareRecords& records);

}  // namespace kav
