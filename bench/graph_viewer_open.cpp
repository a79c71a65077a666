// How long the tree graph viewer takes to open a combined report of 100,000 rows, and how
// long its main actions take on it (not a test; run it on the offscreen platform or under
// xvfb-run):
//   graph_viewer_open [ROWS]
// The run state is made directly (5 % directories, the rest equal or changed files), the
// report is built by the engine, and the viewer is opened as the main window opens it.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <string>

#include "core/Host.h"
#include "platform/FileSystem.h"
#include "report/CombinedReport.h"
#include "run/TreeEngine.h"
#include "ui/viewers/GraphReportView.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TreeViewers.h"

using namespace kav;

namespace {

// A window that does nothing: the benchmark times the viewer, not the main window.
class QuietHost : public Host {
 public:
  void SetText(Control, std::string_view) override {}
  void SetProgress(int) override {}
  void SetVisible(Control, bool) override {}
  void SetEnabled(Control, bool) override {}
  void Focus(Control) override {}
  void ToggleBusyImages() override {}
  void ProcessPendingEvents() override {}
  void ShowMessage(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return true; }
  void RememberDirectory(Control, std::string_view) override {}
  void OpenViewer(Viewer) override {}
  void OpenSelectionWindow(SelectionWindow) override {}
};

// Equal and changed files: every record becomes a report line.
const char* const kCodes[] = {"   ", "   ", "* -"};

// A combined run of `rows` records below the root: one directory in 20, each with its files,
// equal or changed.
void MakeRun(RunState& state, int rows) {
  state.StartStamp = "01/05/24 13:05";
  state.NewDirName = "/bench/new/";
  state.OldDirName = "/bench/old/";
  state.Panel.MnCbNewDirNm = "/bench/new";
  state.Panel.MnCbOldDirNm = "/bench/old";
  TreeNode* root = state.TreeNodes.Add();
  root->Kind = NodeDir;
  root->Name = "/bench/new/";
  root->ChangeCode = "   ";
  state.NewTreeLines.push_back(root);
  state.CombinedTree.push_back({"new / old", 0, 2, -1, {}});
  int dir = 0;
  for (int row = 1; row <= rows; ++row) {
    TreeNode* node = state.TreeNodes.Add();
    const auto index = static_cast<int32_t>(state.NewTreeLines.size());
    if (row % 20 == 1) {
      dir = index;
      node->Kind = NodeDir;
      node->Name = "directory" + std::to_string(row / 20);
      node->ParentIndex = 0;
      node->ChangeCode = "   ";
      node->Level = 1;
      node->FileCount = 19;
      node->OldFileCount = 19;
      node->HasChanges = 1;
      node->ViewNode = static_cast<int32_t>(state.CombinedTree.size());
      state.CombinedTree.push_back({"directory" + std::to_string(row / 20), index, 2, 0, {}});
      state.CombinedTree[0].Children.push_back(node->ViewNode);
    } else {
      node->Kind = NodeFile;
      node->ChangeCode = kCodes[row % 3];
      node->Name = "file" + std::to_string(row) + ".txt";
      node->Level = 2;
      node->Size = 1000 + row;
      node->OldSize = node->ChangeCode == "* -" ? 900 + row : 1000 + row;
      node->Date = 0x58250000;
      node->OldDate = 0x58240000;
      node->ParentIndex = dir;
    }
    state.NewTreeLines.push_back(node);
  }
  state.NewTreeNodes = state.NewTreeLines;
}

double Seconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int rows = argc > 1 ? std::stoi(argv[1]) : 100000;
  RunState state;
  QuietHost host;
  LocaleFacts locale;
  RunContext ctx{state, host, RealFileSystem(), locale};
  MakeRun(state, rows);

  QElapsedTimer clock;
  clock.start();
  BuildCombinedReport(ctx);
  std::printf("report built by the engine: %zu lines in %.3f s\n", state.CombinedReport.size(),
              Seconds(clock));

  QWidget owner;
  const ui::ViewerWindows windows = ui::CreateViewerWindows(ctx, &owner);
  ui::TFrmGraph* viewer = nullptr;
  double opened = 0;
  QTimer::singleShot(0, [&] {
    // The modal window is up; once it has painted itself whole, the opening is over.
    viewer = windows.Graph;
    viewer->grab();
    opened = Seconds(clock);
    QElapsedTimer step;
    step.start();
    ui::FinishReport(viewer->findChild<QPlainTextEdit*>("GrReditEditBox"));
    std::printf("rest of the report put into its box: %.3f s\n", Seconds(step));
    step.restart();
    viewer->findChild<QPushButton*>("GrButToBtm")->click();
    QApplication::processEvents();
    std::printf("To Btm: %.3f s\n", Seconds(step));
    step.restart();
    viewer->findChild<QPushButton*>("GrButExpand")->click();
    QApplication::processEvents();
    std::printf("Full Expand (%d nodes) with To Btm: %.3f s\n",
                static_cast<int>(state.CombinedTree.size()), Seconds(step));
    step.restart();
    viewer->findChild<QComboBox*>("GrCbReFontSz")->setCurrentText("10");
    QApplication::processEvents();
    std::printf("report font size change (rebuild and show): %.3f s\n", Seconds(step));
    viewer->findChild<QPushButton*>("GrButReturn")->click();
  });
  clock.restart();
  ui::OpenTreeViewer(ctx, Viewer::Graph, windows);
  std::printf("viewer opened on %d rows in %.3f s (limit 3 s)\n", rows, opened);
  return opened < 3.0 ? 0 : 1;
}
