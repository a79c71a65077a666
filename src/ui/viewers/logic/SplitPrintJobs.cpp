#include "ui/viewers/logic/SplitPrintJobs.h"

#include <algorithm>

#include "report/SplitRows.h"
#include "text/Format.h"
#include "text/PrintableText.h"

namespace kav {
namespace {

int PagesFor(int n, int linesPerPage) {
  return (n + 2 * (n / linesPerPage)) / linesPerPage;
}

// Lays the sections out page by page; one object per print.
class SplitPrintLayout {
 public:
  SplitPrintLayout(const RunState& state, const PageGeometry& geometry, bool limited)
      : state_(state), lastLine_(4 + RowsPerPage(geometry)), limited_(limited) {}

  void Section(SplitSide side, const std::string& title, int from, int to) {
    title_ = title;
    StartJob(false, side);
    AddRows(side, from, to);
  }

  // Rows that follow in the job now running, under a new title for its later headers.
  void Continue(SplitSide side, const std::string& title, int from, int to) {
    title_ = title;
    AddRows(side, from, to);
  }

  void NextSectionPage() { ++pageCounter_; }
  std::vector<PrintJob> Jobs() && { return std::move(jobs_); }

 private:
  const RunState& state_;
  const int lastLine_;
  const bool limited_;
  std::vector<PrintJob> jobs_;
  std::string title_;
  int pageCounter_ = 1;
  int jobPages_ = 0;
  int line_ = 4;

  PrintPage& Page() { return jobs_.back().Pages.back(); }

  void StartJob(bool continuation, SplitSide side) {
    const std::string title = (continuation ? "(Continuation) " : "") + title_;
    jobs_.push_back({PrintableText(title), {{}}});
    jobPages_ = 0;
    const std::string product =
        state_.ListBothTreesRun ? "Dual Directory Tree Report - " : "File Compare Listing - ";
    Page().push_back({2, false, true, "Kavendrift " + product + state_.StartStamp});
    Page().push_back({2, true, true, "Page  " + std::to_string(pageCounter_)});
    Page().push_back({3, false, false, PrintableText(title)});
    line_ = 4;
    if (!continuation && state_.ListBothTreesRun) {
      const std::string& header =
          side == SplitSide::Left ? state_.Split.LeftHeader : state_.Split.RightHeader;
      Page().push_back({4, false, false, PrintableText(SplitRowText(state_, side, 0))});
      Page().push_back({5, false, false, PrintableText(header)});
      line_ = 6;
    }
  }

  void StartPage() {
    jobs_.back().Pages.emplace_back();
    const std::string product =
        state_.TreeCompareRun ? "File Compare Listing" : "Dual Directory Tree Report";
    Page().push_back({2, false, true, "Kavendrift " + product});
    Page().push_back({2, true, true, "Page " + Format("%3d", {int64_t{pageCounter_}})});
    Page().push_back({3, false, false, PrintableText("(Continuation) " + title_)});
    line_ = 4;
  }

  void AddRows(SplitSide side, int from, int to) {
    for (int row = std::max(from, 0); row < to; ++row) {
      Page().push_back({line_, false, false, PrintableText(SplitRowText(state_, side, row))});
      if (++line_ < lastLine_) continue;
      ++pageCounter_;
      ++jobPages_;
      if (limited_ && jobPages_ % SpoolSegmentPages == 0) {
        StartJob(true, side);
      } else {
        StartPage();
      }
    }
  }
};

int ListSize(const TreeNodeList& list) {
  return static_cast<int>(list.size());
}

}  // namespace

SplitPageEstimate EstimateSplitPages(const RunState& state, int linesPerPage) {
  const int lines = std::max(1, linesPerPage);
  if (state.ListBothTreesRun) {
    return {PagesFor(state.NewNumberedCount + state.OldNumberedCount + lines, lines), 0};
  }
  return {PagesFor(state.NewNumberedCount + lines, lines),
          PagesFor(state.OldNumberedCount + ListSize(state.NewTreeLines) - state.NewNumberedCount +
                       lines,
                   lines)};
}

bool SpoolLimitDialogNeeded(const SplitPageEstimate& estimate) {
  return estimate.NewPages > SpoolSegmentPages;
}

std::string SpoolEstimateText(const RunState& state, const SplitPageEstimate& estimate) {
  std::string text = std::to_string(estimate.NewPages);
  if (!state.ListBothTreesRun) text += "/" + std::to_string(estimate.OldPages);
  return text;
}

std::vector<PrintJob> SplitPrintJobs(const RunState& state, const PageGeometry& geometry,
                                     bool limited) {
  SplitPrintLayout layout(state, geometry, limited);
  const int newNumbered = std::min(state.NewNumberedCount, ListSize(state.NewTreeLines));
  const int oldNumbered = std::min(state.OldNumberedCount, ListSize(state.OldTreeLines));
  layout.Section(SplitSide::Left, "Section 1 -- NewFile = " + state.Panel.MnCbNewDirNm, 1,
                 newNumbered);
  layout.NextSectionPage();
  layout.Section(SplitSide::Right, "Section 2 -- OldFile = " + state.Panel.MnCbOldDirNm, 1,
                 oldNumbered);
  if (!state.ListBothTreesRun) {
    layout.Continue(SplitSide::Left, "Section 3 --  Summary Section",
                    std::max(state.NewNumberedCount, 0), ListSize(state.NewTreeLines));
  }
  return std::move(layout).Jobs();
}

}  // namespace kav
