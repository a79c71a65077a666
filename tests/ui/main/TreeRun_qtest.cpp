// Whole tree runs from the main window's Start to the viewer they end in: type 2 in the tree
// graph viewer, type 2 with Lsbs and type 6 in the vertical split viewer.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "core/CompareTypes.h"
#include "support/TempTree.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/TFrmMain.h"
#include "ui/viewers/GraphTreeModel.h"
#include "ui/viewers/SplitListModel.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/TreeViewers.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The text a recorded run last set on `control`.
QString LastText(const test::RecordingHost& host, Control control) {
  const std::string prefix = std::string("text ") + test::ControlName(control) + "=";
  QString last;
  for (const std::string& call : host.calls) {
    if (call.rfind(prefix, 0) == 0) last = Q(call.substr(prefix.size()));
  }
  return last;
}

}  // namespace

class TreeRunTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;
  std::unique_ptr<TFrmMain> frm_;

  void Open(int type, bool sideBySide = false) {
    MainWindowSetup setup;
    setup.ExeDir = tree_->Root();
    setup.SettingsPath = tree_->Path("Kavdrift.ini");
    setup.StartStamp = "01/05/24 13:05";
    frm_ = std::make_unique<TFrmMain>(std::move(setup));
    frm_->show();
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbNewDirNm"), tree_->Path("new"));
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbOldDirNm"), tree_->Path("old"));
    SetComboText(test::Named<QComboBox>(*frm_, "MnCbCompareType"),
                 std::string(CompareTypeItems[type - 1]));
    frm_->findChild<QCheckBox*>("PrCkListStyle")->setChecked(sideBySide);
  }

  QString Status() const { return test::Named<QLabel>(*frm_, "MnCurrStatus")->text(); }

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    tree_ = std::make_unique<test::TempTree>();
    test::MakeRealisticTrees(*tree_);
  }
  void cleanup() {
    frm_.reset();
    tree_.reset();
  }

  void typeTwoEndsInTheTreeGraphViewer() {
    test::RecordedMessages messages;
    Open(2);
    QString caption, root, statusWhileOpen, changed;
    int blocks = -1;
    bool wideEnough = false;
    test::ModalWatcher<TFrmGraph> watcher([&](TFrmGraph* graph) {
      caption = graph->windowTitle();
      root = graph->TreeModel->index(0, 0).data().toString();
      blocks = test::Named<QPlainTextEdit>(*graph, "GrReditEditBox")->document()->blockCount();
      statusWhileOpen = Status();
      wideEnough = graph->width() >= 633;
      changed = test::Named<QPlainTextEdit>(*graph, "GrReditEditBox")->document()->toPlainText();
      test::Named<QPushButton>(*graph, "GrButReturn")->click();
    });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(messages.shown, QStringList());
    const RunState& state = frm_->State();
    QCOMPARE(caption, QString("Kavendrift Combined Directory and File Tree View: "
                              "Kavendrift V3.0d - (08/01/2001)"));
    QCOMPARE(root, QString("new / old"));
    QCOMPARE(blocks, static_cast<int>(state.CombinedReport.size()));
    QVERIFY(changed.contains(" Kavendrift found changes in the Sub-level Directories and files"));
    QVERIFY(wideEnough);
    QCOMPARE(statusWhileOpen, QString(" Graphical list tree of Changes Started."));
    QCOMPARE(Status(), QString(" Graphical list tree of Changes Completed."));
    QVERIFY(!state.Viewers.SvGrWidth.empty());
    QVERIFY(!state.Viewers.SvGrColWid.empty());
    QVERIFY(state.NewTreeNodes.empty() && state.OldTreeNodes.empty());
  }

  void typeTwoWithLsbsEndsInTheAlignedSplitViewer() {
    test::RecordedMessages messages;
    Open(2, true);
    QString caption, leftHeader, leftRow2, rightRow2;
    int leftRows = -1, rightRows = -1;
    bool legendButton = false, legendLabels = false, scrollsTogether = false;
    bool stackedOpened = false;
    test::ModalWatcher<TFrmVSplit2> stacked([&](TFrmVSplit2* window) {
      stackedOpened = test::Named<QPushButton>(*window, "HsButLegend")->isVisible();
      test::Named<QPushButton>(*window, "HsButReturn")->click();
    });
    test::ModalWatcher<TFrmVSplit> watcher([&](TFrmVSplit* split) {
      caption = split->windowTitle();
      leftRows = split->LeftModel->rowCount();
      rightRows = split->RightModel->rowCount();
      leftHeader = split->LeftModel->headerData(0, Qt::Horizontal).toString();
      leftRow2 = split->LeftModel->index(2, 0).data().toString();
      rightRow2 = split->RightModel->index(2, 0).data().toString();
      legendButton = test::Named<QPushButton>(*split, "VsButLegend")->isVisible();
      legendLabels = test::Named<QLabel>(*split, "LsLblInsLabel")->isVisible() &&
                     test::Named<QLabel>(*split, "LsLblDelLabel")->isVisible();
      split->resize(700, 300);  // short enough to scroll
      QApplication::processEvents();
      split->SetTopRow(test::Named<QTreeView>(*split, "VsListbox3"), 3);
      scrollsTogether = split->TopRow(test::Named<QTreeView>(*split, "VsListbox3")) == 3 &&
                        split->TopRow(test::Named<QTreeView>(*split, "VsListBox2")) == 3;
      test::Named<QPushButton>(*split, "VsBtnHortChg")->click();
      test::Named<QPushButton>(*split, "LsButReturn")->click();
    });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(stacked.opened, 1);
    QVERIFY(stackedOpened);
    QCOMPARE(messages.shown, QStringList());
    const RunState& state = frm_->State();
    QCOMPARE(caption, QString(" Kavendrift Compare Program Side-By-Side Report - 01/05/24 13:05"));
    QCOMPARE(leftRows, static_cast<int>(state.NewTreeLines.size()));
    QCOMPARE(rightRows, leftRows);  // aligned
    QCOMPARE(leftHeader, QString("Ref#  Codes ...Lvl#  New Directory/File-Name "
                                 "(Accum-Dir Size/Chg-File Sizes)"));
    QVERIFY2(leftRow2.startsWith("   2  "), qPrintable(leftRow2));
    QVERIFY(rightRow2.startsWith("   2  "));
    QVERIFY(legendButton);
    QVERIFY(legendLabels);
    QVERIFY(scrollsTogether);
    // After the run the legend labels are hidden again.
    TFrmVSplit& split = *frm_->Windows().VSplit;
    QVERIFY(test::Named<QLabel>(split, "LsLblInsLabel")->isHidden());
    QVERIFY(!state.Viewers.VLSpWide.empty());
    QCOMPARE(Status(),
             QString("Kavendrift found changes in the Sub-level Directories and files checked."));
  }

  void typeSixEndsInTheSplitViewerWithIndependentLists() {
    test::RecordedMessages messages;
    Open(6);
    QString caption, leftHeader, rightHeader, left0, right0;
    int leftRows = -1, rightRows = -1;
    bool legendButton = true, rightScrollBar = false, independent = false;
    test::ModalWatcher<TFrmVSplit> watcher([&](TFrmVSplit* split) {
      caption = split->windowTitle();
      leftRows = split->LeftModel->rowCount();
      rightRows = split->RightModel->rowCount();
      leftHeader = split->LeftModel->headerData(0, Qt::Horizontal).toString();
      rightHeader = split->RightModel->headerData(0, Qt::Horizontal).toString();
      left0 = split->LeftModel->index(0, 0).data().toString();
      right0 = split->RightModel->index(0, 0).data().toString();
      legendButton = test::Named<QPushButton>(*split, "VsButLegend")->isVisible();
      rightScrollBar = test::Named<QTreeView>(*split, "VsListbox3")->verticalScrollBarPolicy() ==
                       Qt::ScrollBarAlwaysOn;
      split->SetTopRow(test::Named<QTreeView>(*split, "VsListbox3"), 2);
      independent = split->TopRow(test::Named<QTreeView>(*split, "VsListBox2")) == 0;
      test::Named<QPushButton>(*split, "LsButReturn")->click();
    });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(messages.shown, QStringList());
    const RunState& state = frm_->State();
    QCOMPARE(caption, QString(" Kavendrift Compare Program Side-By-Side Report - 01/05/24 13:05"));
    QCOMPARE(leftRows, static_cast<int>(state.NewTreeLines.size()));
    QCOMPARE(rightRows, static_cast<int>(state.OldTreeLines.size()));
    QCOMPARE(leftHeader, QString(" Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)"));
    QCOMPARE(rightHeader, QString(" Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)"));
    QCOMPARE(left0, QString(" SUMMARY - New-Dirs = 4 New-Files = 7 OPTIONS = None"));
    QCOMPARE(right0, QString(" SUMMARY - Old-Dirs = 4 Old-Files = 7 OPTIONS = None"));
    QVERIFY(!legendButton);
    QVERIFY(rightScrollBar);
    QVERIFY(independent);
    QCOMPARE(Status(), QString(" Operation completed normally."));
  }

  // A run sets the status for every node; the window paints it at a bounded rate and ends
  // showing the last texts and position the run set.
  void thePanelPaintsAtABoundedRateAndEndsWithTheRunsLastTexts() {
    for (int i = 0; i < 1500; ++i) {
      const std::string name = "/d" + std::to_string(i / 50) + "/f" + std::to_string(i) + ".txt";
      tree_->File("new" + name, "same");
      tree_->File("old" + name, i % 100 == 0 ? "other" : "same");
    }
    test::RecordedRun recorded;
    recorded.Start(*tree_, 2);
    Open(2);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    PaintCounter status(test::Named<QLabel>(*frm_, "MnCurrStatus"));
    QElapsedTimer clock;
    clock.start();
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    const qint64 bound = clock.elapsed() / 50 + 10;

    QVERIFY(recorded.host.statuses.size() > 1500);
    QVERIFY2(status.paints <= bound, qPrintable(QString("%1 paints").arg(status.paints)));
    QCOMPARE(Status(), Q(recorded.host.LastStatus()));
    QCOMPARE(test::Named<QLabel>(*frm_, "MnTitleProgBar")->text(),
             LastText(recorded.host, Control::MnTitleProgBar));
    QCOMPARE(test::Named<QProgressBar>(*frm_, "MnProgressBar")->value(),
             recorded.host.progress.back());
    QCOMPARE(test::Named<QLabel>(*frm_, "MnTitlePosPCent")->text(),
             QString("%1%").arg(recorded.host.progress.back()));
  }

  void bypassOpensNoViewer() {
    Open(2);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    test::ModalWatcher<QDialog> watcher([](QDialog* dialog) { dialog->reject(); });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(watcher.opened, 0);
    QCOMPARE(Status(), QString(" Operation completed normally. Reshow and display of processing "
                               "results provided."));
  }
};

QTEST_MAIN(TreeRunTest)
#include "TreeRun_qtest.moc"
