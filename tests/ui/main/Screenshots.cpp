// Writes a PNG of every page of the main window (idle and running), of the directory look-up
// dialog and of the single list viewer showing a type 1 report, for a person to look at:
//   kavdrift_screenshots OUTPUT_FOLDER
// Run it on the offscreen platform or under xvfb-run. It also prints how long a 100,000-row
// report takes to open in the viewer.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <functional>

#include "UiTestSupport.h"
#include "core/CompareTypes.h"
#include "run/Dispatcher.h"
#include "support/TempTree.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/TFrmDirLookUp2.h"
#include "ui/main/TFrmMain.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"
#include "ui/viewers/ShowSingleListReport.h"
#include "ui/viewers/TFrmVSingle.h"

using namespace kav;
using namespace kav::ui;

namespace {

void Save(QWidget& widget, const QString& folder, const char* name) {
  QElapsedTimer settle;  // the directory lists load in the background
  settle.start();
  while (settle.elapsed() < 300) QApplication::processEvents(QEventLoop::AllEvents, 50);
  const QString path = folder + "/" + name + ".png";
  if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

void MakeSample(const test::TempTree& tree) {
  tree.File("new/readme.txt", "same");
  tree.File("new/changed.cpp", "new body");
  tree.File("new/added.h", "x");
  tree.File("new/another.txt", "only new");
  tree.File("old/readme.txt", "same");
  tree.File("old/changed.cpp", "old body");
  tree.File("old/removed.h", "y");
}

void TimeLargeReport(TFrmVSingle& viewer, RunState& state) {
  state.ReportLines.clear();
  state.ReportLines.emplace_back("Kavendrift Compare Program Report");
  for (int i = 0; i < 100000; ++i) {
    const char* codes[] = {"    ", "*   ", "I - ", "D - "};
    state.ReportLines.push_back(std::string(codes[i % 4]) + "file" + std::to_string(i) +
                                ".txt            1,234       1,234");
  }
  state.SummaryTopLine = 0;
  state.SummaryTotalsLine = static_cast<int32_t>(state.ReportLines.size());
  QElapsedTimer clock;
  clock.start();
  PrepareSingleListReport(state, viewer);
  viewer.show();
  QApplication::processEvents();
  const qint64 opened = clock.elapsed();
  clock.restart();
  for (int i = 0; i < 200; ++i) {
    viewer.SelectRow(i * 500);
    test::Named<QTreeView>(viewer, "VlbListBox1")->viewport()->repaint();
  }
  std::printf("100,000 rows: shown in %lld ms; 200 jumps with repaint in %lld ms\n",
              static_cast<long long>(opened), static_cast<long long>(clock.elapsed()));
  viewer.hide();
}

// Starts a type 3 or 4 run and, once its selection window shows, lets `fill` pick some names,
// saves the window's picture and closes it.
void SaveSelectionWindow(TFrmMain& frm, QDialog* window, int type, const QString& folder,
                         const char* name, const std::function<void(QDialog&)>& fill) {
  SetComboText(test::Named<QComboBox>(frm, "MnCbCompareType"),
               std::string(CompareTypeItems[type - 1]));
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QApplication::activeModalWidget() != window) return;
    poll.stop();
    fill(*window);
    Save(*window, folder, name);
    window->reject();
  });
  poll.start();
  test::Named<QPushButton>(frm, "MnBtnStart")->click();
}

void HighlightFirstRows(QDialog& window, const char* list, int rows) {
  auto* view = test::Named<QListView>(window, list);
  for (int row = 0; row < rows; ++row) {
    view->selectionModel()->select(view->model()->index(row, 0), QItemSelectionModel::Select);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
  QDir().mkpath(folder);
  test::TempTree tree;
  MakeSample(tree);

  MainWindowSetup setup;
  setup.ExeDir = tree.Root();
  setup.SettingsPath = tree.Path("Kavdrift.ini");
  setup.StartStamp = "01/05/24 13:05";
  TFrmMain frm(std::move(setup));
  TFrmVSingle* viewer = frm.Windows().VSingle;
  SetComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm"), tree.Path("new"));
  SetComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm"), tree.Path("old"));
  frm.show();

  const char* pages[] = {"main-panel", "directory-select", "preferences", "about", "overview"};
  for (int page = 0; page < 5; ++page) {
    frm.SelectPage(page);
    Save(frm, folder, pages[page]);
  }
  frm.SelectPage(0);
  auto* lookUp = frm.findChild<TFrmDirLookUp2*>();
  lookUp->Prepare(
      {test::Q(tree.Path("new")), test::Q(tree.Path("old")), test::Q(tree.Path("new"))});
  lookUp->show();
  Save(*lookUp, folder, "directory-look-up");
  lookUp->hide();
  for (Control c : {Control::MnButStop, Control::MnProgressBar, Control::MnTitleProgBar,
                    Control::MnTitlePosPCent, Control::MnImage1}) {
    frm.SetVisible(c, true);
  }
  frm.SetText(Control::MnTitlePosPCent, "42%");
  frm.SetProgress(42);
  frm.SetText(Control::MnCurrStatus, "Executing Compare Section.");
  Save(frm, folder, "main-panel-running");
  for (Control c : {Control::MnButStop, Control::MnProgressBar, Control::MnTitleProgBar,
                    Control::MnTitlePosPCent, Control::MnImage1}) {
    frm.SetVisible(c, false);
  }

  // A real type 1 run, its report shown without the modal loop.
  test::Named<QCheckBox>(frm, "MnCkViewResults")->setChecked(true);
  test::Named<QPushButton>(frm, "MnBtnStart")->click();
  frm.SetVisible(Control::SingleInsLabel, true);
  frm.SetVisible(Control::SingleDelLabel, true);
  PrepareSingleListReport(frm.State(), *viewer);
  viewer->show();
  viewer->SelectRow(6);
  Save(*viewer, folder, "single-list-viewer");
  viewer->hide();

  SaveSelectionWindow(frm, frm.Windows().LNm, 3, folder, "like-name-selection", [](QDialog& w) {
    HighlightFirstRows(w, "LNAvailLBx", 1);
    test::Named<QPushButton>(w, "LNSelHighBtn")->click();
  });
  SaveSelectionWindow(frm, frm.Windows().ULNm, 4, folder, "unlike-name-selection", [](QDialog& w) {
    HighlightFirstRows(w, "ULFListBoxN", 1);
    HighlightFirstRows(w, "ULFListBoxO", 1);
    test::Named<QPushButton>(w, "ULSelArrowBut")->click();
  });

  TimeLargeReport(*viewer, frm.State());

  // What the engines' per-block "let events run" costs between two real event runs.
  QElapsedTimer clock;
  clock.start();
  constexpr int kCalls = 10'000'000;
  for (int i = 0; i < kCalls; ++i) frm.ProcessPendingEvents();
  std::printf("ProcessPendingEvents: %.1f ns per call over %d calls\n",
              static_cast<double>(clock.nsecsElapsed()) / kCalls, kCalls);
  return 0;
}
