// The tree scan alone (listing, one stat per entry, records, ordering) over the directory
// named by KAVDRIFT_SCAN_DIR; bench/run.sh sets it and times `find DIR -maxdepth 1 | sort`
// on the same directory in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "core/Host.h"
#include "core/RunContext.h"
#include "tree/TreeScan.h"

namespace {

// A window that does nothing: the scan's progress calls cost what a quiet host costs.
class QuietHost final : public kav::Host {
 public:
  void SetText(kav::Control, std::string_view) override {}
  void SetProgress(int) override {}
  void SetVisible(kav::Control, bool) override {}
  void SetEnabled(kav::Control, bool) override {}
  void Focus(kav::Control) override {}
  void ToggleBusyImages() override {}
  void ProcessPendingEvents() override {}
  void ShowMessage(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
  void RememberDirectory(kav::Control, std::string_view) override {}
  void OpenViewer(kav::Viewer) override {}
  void OpenSelectionWindow(kav::SelectionWindow) override {}
};

void ScanDirectory(benchmark::State& bench) {
  const char* dir = std::getenv("KAVDRIFT_SCAN_DIR");
  if (dir == nullptr) {
    bench.SkipWithError("set KAVDRIFT_SCAN_DIR to the directory to scan");
    return;
  }
  QuietHost host;
  kav::LocaleFacts locale;
  for (auto _ : bench) {
    kav::RunState state;
    kav::RunContext ctx{state, host, kav::RealFileSystem(), locale};
    kav::ScanTree(ctx, state.NewTreeNodes, std::string(dir) + "/");
    benchmark::DoNotOptimize(state.NewTreeNodes.data());
  }
}
BENCHMARK(ScanDirectory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
