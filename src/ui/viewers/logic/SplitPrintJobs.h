#pragma once

#include <string>
#include <vector>

#include "core/RunState.h"
#include "ui/viewers/logic/PrintPages.h"

namespace kav {

// The split viewer's page estimate before a plain print: one number for a type 6 listing
// (both lists in one estimate), else one for the New job and one for the Old job.
struct SplitPageEstimate {
  int NewPages = 0;
  int OldPages = 0;  // not used in a type 6 run
};
SplitPageEstimate EstimateSplitPages(const RunState& state, int linesPerPage);

// Whether the estimate asks for the spool limit dialog: its first number exceeds 10 pages.
bool SpoolLimitDialogNeeded(const SplitPageEstimate& estimate);

// The estimate as the spool limit dialog shows it: "N" in a type 6 run, else "NEW/OLD".
std::string SpoolEstimateText(const RunState& state, const SplitPageEstimate& estimate);

// The split viewer's plain print as spool jobs: the New section, then the Old section (with
// the summary rows after it in a tree compare). Each job starts with the product title, its
// page number and the section title; a type 6 section also prints the side's row 0 and list
// header. With `limited`, a job ends after every 10 pages and a continuation job, headed
// "(Continuation) " + the section title, carries on.
std::vector<PrintJob> SplitPrintJobs(const RunState& state, const PageGeometry& geometry,
                                     bool limited);

// The pages after which a limited job ends.
inline constexpr int SpoolSegmentPages = 10;

}  // namespace kav
