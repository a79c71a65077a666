// How long the like-name selection window (type 3) takes to open on a New and an Old directory
// of 100,000 like-named files each, and how long Select All and Start then take (not a test;
// run it under xvfb-run, as bench/run.sh does):
//   select_window_open [FILES] [WORK_DIR]
// The directories are made once under WORK_DIR and kept for later calls.
#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Host.h"
#include "platform/FileSystem.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/logic/LikeNames.h"

using namespace kav;

namespace {

// A window that does nothing: the benchmark times the selection window, not the main window.
class QuietHost : public Host {
 public:
  void SetText(Control, std::string_view) override {}
  void SetProgress(int) override {}
  void SetVisible(Control, bool) override {}
  void SetEnabled(Control, bool) override {}
  void Focus(Control) override {}
  void ToggleBusyImages() override {}
  void ProcessPendingEvents() override {}
  void ShowMessage(std::string_view text) override {
    std::printf("message: %.*s\n", static_cast<int>(text.size()), text.data());
  }
  bool AskYesNo(std::string_view) override { return true; }
  void RememberDirectory(Control, std::string_view) override {}
  void OpenViewer(Viewer) override {}
  void OpenSelectionWindow(SelectionWindow) override {}
};

void MakeSide(const std::filesystem::path& dir, int files) {
  if (std::filesystem::exists(dir / ("file" + std::to_string(files - 1) + ".txt"))) return;
  std::filesystem::create_directories(dir);
  for (int i = 0; i < files; ++i) {
    std::ofstream(dir / ("file" + std::to_string(i) + (i % 3 == 0 ? ".dat" : ".txt"))) << i;
  }
}

double Seconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int files = argc > 1 ? std::stoi(argv[1]) : 100000;
  const std::filesystem::path work =
      (argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path()) /
      ("select-" + std::to_string(files));
  MakeSide(work / "new", files);
  MakeSide(work / "old", files);

  RunState state;
  QuietHost host;
  LocaleFacts locale;
  RunContext ctx{state, host, RealFileSystem(), locale};
  state.Panel.MnCbNewDirNm = (work / "new").string();
  state.Panel.MnCbOldDirNm = (work / "old").string();
  state.NewDirName = state.Panel.MnCbNewDirNm + "/";
  state.OldDirName = state.Panel.MnCbOldDirNm + "/";
  state.Panel.MnCkViewResults = true;  // the report, not its viewer

  QElapsedTimer clock;
  clock.start();
  const FileMask all("*.*");
  const SelectableFiles news(ctx.Fs, state.NewDirName, all);
  const SelectableFiles olds(ctx.Fs, state.OldDirName, all);
  const LikeList list = BuildLikeNameList(news, olds, LikeSort::Name);
  std::printf("lists of %d + %d files paired into %zu names: %.3f s\n", news.Count(), olds.Count(),
              list.size(), Seconds(clock));

  QWidget owner;
  auto* window = new ui::TFrmLNm(ctx, &owner);
  double opened = 0;
  double selectAll = 0;
  QTimer::singleShot(0, [&] {
    // The modal window is up; once it has painted itself whole, the opening is over.
    window->grab();
    opened = Seconds(clock);
    QElapsedTimer step;
    step.start();
    window->findChild<QPushButton*>("LNSelAllBtn")->click();
    window->grab();
    selectAll = Seconds(step);
    clock.restart();
    window->findChild<QPushButton*>("LNStartBtn")->click();
  });
  clock.restart();
  window->Open();
  const double started = Seconds(clock);
  std::printf("window opened on %d like-named files in %.3f s (limit 1 s)\n", files, opened);
  std::printf("Select All: %.3f s\n", selectAll);
  std::printf("Start: %zu pairs compared, %zu report lines, in %.3f s\n",
              state.Names.PairedNewNames.size(), state.ReportLines.size(), started);
  std::printf("last report line: %s\n",
              state.ReportLines.empty() ? "" : state.ReportLines.back().c_str());
  return opened < 1.0 ? 0 : 1;
}
