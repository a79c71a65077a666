#pragma once

#include "core/RunContext.h"
#include "core/ShowResults.h"

namespace kav {

// "&Start": one whole compare or list run of the type (None gives the invalid type message).
// Validates the directory texts, takes over the preference check boxes as option flags,
// dispatches on the type, keeps the busy indicators and "&Halt" in step and tidies up. Never
// throws: an exception inside the run ends it with the "Abnormal termination" status text. What the
// run could not read is named in State.IoFailures; a run that was not halted then ends with
// IncompleteRunStatus, unless it is a single-level compare whose ERROR or WARN01 verdict already
// says so.
void RunCompare(RunContext& ctx, CompareType type);

// The run of the type whose item text the panel holds (State.Panel.MnCbCompareType).
void RunCompare(RunContext& ctx);

// "&Halt": asks the running engine to stop at its next poll.
void MnButStopClick(RunState& state);

// Start's validation; leaves State.RunValidated true when the run may go on.
void ValidateRun(RunContext& ctx);

// Type 1 pre-check: lists and pairs both directories, then runs the compare section.
void PrecheckLikeNames(RunContext& ctx);

// Type 3 and 4 pre-checks: refuse with the selection window's message when there is nothing
// to select, else open the selection window (again while it sets ReshowSelection). The
// window's start button fills the pair lists (compare/ResolveNames.h) and runs the compare
// section.
void PrecheckSelectLike(RunContext& ctx);
void PrecheckSelectUnlike(RunContext& ctx);

}  // namespace kav
