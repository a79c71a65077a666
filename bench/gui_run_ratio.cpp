// The whole run in the desktop program, from a click on Start to the viewer shown, against
// kavdrift-cli on the same trees, for each compare/list type (not a test). Run it on a real X
// server or under xvfb-run, not on the offscreen platform, which hides the X traffic:
//   xvfb-run -a gui_run_ratio --cli build/src/cli/kavdrift-cli [--work DIR] [--runs N]
//                             [--case 1-5] [--quick]
// It generates the trees under DIR (1,000 directories of 50 files, and 50,000 files in one
// directory for type 1), prints the median seconds of both front ends and their ratio, and
// exits 1 when a ratio is above the limit.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "GuiRunTrees.h"
#include "core/CompareTypes.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/TFrmMain.h"

extern char** environ;

using namespace kav;

namespace {

constexpr double kLimit = 1.3;

struct Case {
  const char* Name;
  int Type;
  bool Lsbs;
  bool Flat;
};

const Case kCases[] = {
    {"type 1, one directory", 1, false, true},      {"type 2, tree graph", 2, false, false},
    {"type 2 Lsbs, side by side", 2, true, false},  {"type 5, New tree list", 5, false, false},
    {"type 6, New/Old tree list", 6, false, false},
};

struct Settings {
  std::string Cli;
  std::string Work = "/tmp/kavdrift-bench";
  int Dirs = 1000;
  int Runs = 3;
  int OnlyCase = 0;  // 1-based index into kCases; 0 for all
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Seconds kavdrift-cli takes for the case, its report thrown away.
double CliSeconds(const Settings& settings, const Case& run, const bench::BenchTrees& trees) {
  std::vector<std::string> args = {settings.Cli, "-t", std::to_string(run.Type), "--color",
                                   "never"};
  if (run.Lsbs) args.insert(args.end(), {"-o", "Lsbs"});
  args.push_back(run.Flat ? trees.FlatNew : trees.TreeNew);
  if (run.Type != 5) args.push_back(run.Flat ? trees.FlatOld : trees.TreeOld);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  QElapsedTimer clock;
  clock.start();
  pid_t pid = 0;
  int status = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
      waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
    std::fprintf(stderr, "kavdrift-cli failed on %s\n", run.Name);
  }
  posix_spawn_file_actions_destroy(&actions);
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

// Closes the first viewer of the run once it is on the screen and painted, noting the time.
class ViewerWatch : public QObject {
 public:
  explicit ViewerWatch(const QElapsedTimer& clock) : clock_(clock) {
    qApp->installEventFilter(this);
    poll_.setInterval(1);
    connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
  }
  ~ViewerWatch() override { qApp->removeEventFilter(this); }

  double Seconds = -1;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && viewer_ == nullptr) {
      auto* dialog = qobject_cast<QDialog*>(object);
      if (dialog != nullptr && dialog->isModal()) {
        viewer_ = dialog;
        poll_.start();
      }
    }
    return false;
  }

 private:
  void Poll() {
    QWindow* window = viewer_->windowHandle();
    if (window == nullptr || !window->isExposed()) return;
    poll_.stop();
    viewer_->repaint();
    Seconds = static_cast<double>(clock_.nsecsElapsed()) / 1e9;
    viewer_->close();
  }

  const QElapsedTimer& clock_;
  QDialog* viewer_ = nullptr;
  QTimer poll_;
};

// Seconds from the click on Start to the viewer shown, in a main window made for this run.
double GuiSeconds(const Settings& settings, const Case& run, const bench::BenchTrees& trees) {
  ui::MainWindowSetup setup;
  setup.ExeDir = settings.Work;
  setup.SettingsPath = settings.Work + "/gui-run-Kavdrift.ini";
  setup.Locale = ReadProcessLocale();
  setup.StartStamp = StartStampNow(setup.Locale.Date);
  setup.Fs = &RealFileSystem();
  ui::TFrmMain frm(std::move(setup));
  frm.show();
  while (frm.windowHandle() == nullptr || !frm.windowHandle()->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  ui::SetComboText(frm.findChild<ui::DirComboBox*>("MnCbNewDirNm"),
                   run.Flat ? trees.FlatNew : trees.TreeNew);
  ui::SetComboText(frm.findChild<ui::DirComboBox*>("MnCbOldDirNm"),
                   run.Flat ? trees.FlatOld : trees.TreeOld);
  ui::SetComboText(frm.findChild<QComboBox*>("MnCbCompareType"),
                   std::string(CompareTypeItems[static_cast<std::size_t>(run.Type - 1)]));
  frm.findChild<QCheckBox*>("PrCkListStyle")->setChecked(run.Lsbs);
  QApplication::processEvents();

  QElapsedTimer clock;
  ViewerWatch watch(clock);
  clock.start();
  frm.findChild<QPushButton*>("MnBtnStart")->click();
  if (watch.Seconds < 0) std::fprintf(stderr, "no viewer opened on %s\n", run.Name);
  return watch.Seconds;
}

bool ReadArguments(int argc, char** argv, Settings& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--quick") {
      settings.Dirs = 100;
      settings.Runs = 1;
    } else if (arg == "--cli" && hasValue) {
      settings.Cli = argv[++i];
    } else if (arg == "--work" && hasValue) {
      settings.Work = argv[++i];
    } else if (arg == "--case" && hasValue) {
      settings.OnlyCase = std::atoi(argv[++i]);
    } else if (arg == "--runs" && hasValue) {
      settings.Runs = std::max(1, std::atoi(argv[++i]));
    } else {
      return false;
    }
  }
  return !settings.Cli.empty();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_ALL, "");
  QApplication::setQuitOnLastWindowClosed(false);
  Settings settings;
  if (!ReadArguments(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: gui_run_ratio --cli KAVDRIFT-CLI [--work DIR] [--runs N] "
                 "[--case 1-5] [--quick]\n");
    return 2;
  }
  std::filesystem::create_directories(settings.Work);
  const bench::BenchTrees trees = bench::MakeBenchTrees(settings.Work, settings.Dirs);
  ui::SetMessageHooks({[](QWidget*, const QString& text) {
                         std::fprintf(stderr, "message: %s\n", qPrintable(text));
                       },
                       [](QWidget*, const QString&) { return true; }});
  std::printf("desktop program (%s) against kavdrift-cli, %d files, median of %d runs\n",
              qPrintable(QApplication::platformName()), trees.Files, settings.Runs);
  // The limit holds for the full-size trees; on the quick ones the window's fixed costs weigh.
  const bool fullSize = settings.Dirs >= 1000;
  bool withinLimit = true;
  for (int index = 1; const Case& run : kCases) {
    if (settings.OnlyCase != 0 && settings.OnlyCase != index++) continue;
    CliSeconds(settings, run, trees);  // page cache
    std::vector<double> gui, cli;
    for (int i = 0; i < settings.Runs; ++i) {
      cli.push_back(CliSeconds(settings, run, trees));
      gui.push_back(GuiSeconds(settings, run, trees));
    }
    const double ratio = Median(gui) / Median(cli);
    withinLimit = withinLimit && (ratio <= kLimit || !fullSize);
    std::printf("%-44s GUI %8.3fs  kavdrift-cli %8.3fs  ratio %6.2f  (target <= %.1f%s)\n",
                run.Name, Median(gui), Median(cli), ratio, kLimit,
                fullSize ? "" : " at 50,000 files");
    std::fflush(stdout);
  }
  return withinLimit ? 0 : 1;
}
