// The horizontal split viewer: stacked lists that always move together, To Top / To Btm,
// Find, legend and its remembered geometry.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/SplitListModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/ViewerControls.h"

using namespace kav;
using namespace kav::ui;

namespace {

void AddRow(RunState& state, TreeNodeList& list, uint8_t kind, const std::string& text,
            uint32_t color = ColorBlack) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  node->Text = text;
  node->Color = color;
  list.push_back(node);
}

// A type 6 listing: `top` rows on the New side, `bottom` on the Old side, numbered.
void FillListing(RunState& state, int top, int bottom) {
  state.ListBothTreesRun = true;
  state.StartStamp = "01/05/24 13:05";
  state.Panel.MnCbNewDirNm = "/data/new";
  state.Panel.MnCbOldDirNm = "/data/old";
  state.Split.LeftHeader = " Ref# ...Lvl# New-Dir/File-Name (Dir-Total/File Size)";
  state.Split.RightHeader = " Ref# ...Lvl# Old-Dir/File-Name (Dir-Total/File Size)";
  AddRow(state, state.NewTreeLines, NodeHdr, "SUMMARY - New-Dirs = 1");
  for (int i = 1; i < top; ++i) {
    AddRow(state, state.NewTreeLines, NodeFile, "...3 /new" + std::to_string(i));
  }
  AddRow(state, state.OldTreeLines, NodeHdr, "SUMMARY - Old-Dirs = 1");
  for (int i = 1; i < bottom; ++i) {
    AddRow(state, state.OldTreeLines, NodeFile, "...3 /old" + std::to_string(i));
  }
  state.NewNumberedCount = top;
  state.OldNumberedCount = bottom;
}

}  // namespace

class HSplitViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void preparationShowsTitlesRowsAndNames() {
    RunState state;
    FillListing(state, 5, 3);
    TFrmVSplit2 viewer(state, nullptr);
    QAbstractItemModelTester top(viewer.TopModel,
                                 QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester bottom(viewer.BottomModel,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    viewer.Prepare(ReportFont(9), ReportFont(11));
    QCOMPARE(viewer.windowTitle(),
             QString(" Kavendrift Compare Program Horizontal Split Report - 01/05/24 13:05"));
    QCOMPARE(viewer.TopModel->data(viewer.TopModel->index(0, 0)).toString(),
             QString(" Kavendrift New Directory (Inserts) Top-Split Report01/05/24 13:05"));
    QCOMPARE(viewer.BottomModel->data(viewer.BottomModel->index(0, 0)).toString(),
             QString(" Kavendrift Old Directory (Deletes) Bottom-Split Report01/05/24 13:05"));
    QCOMPARE(viewer.TopModel->data(viewer.TopModel->index(2, 0)).toString(),
             QString("   2  ...3 /new2"));
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 0);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 0);
    QCOMPARE(test::Named<QLabel>(viewer, "HsNDirName")->text(), QString("/data/new"));
    QCOMPARE(test::Named<QLabel>(viewer, "HsODirName")->text(), QString("/data/old"));
    QCOMPARE(test::Named<QTreeView>(viewer, "HsListbox2")->font().pointSize(), 9);
    QCOMPARE(test::Named<QTreeView>(viewer, "HsListbox3")->font().pointSize(), 11);
    QCOMPARE(test::Named<QTreeView>(viewer, "HsListbox3")->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOff);
    QCOMPARE(test::Named<QSplitter>(viewer, "HsSplitter1")->handleWidth(), 14);
    QCOMPARE(test::Named<QSplitter>(viewer, "HsSplitter1")->handle(1)->toolTip(),
             QString("Move splitter bar up or down"));
    // Not a tree compare: no legend.
    QVERIFY(test::Named<QPushButton>(viewer, "HsButLegend")->isHidden());
    QVERIFY(test::Named<QLabel>(viewer, "HsLblInsLabel")->isHidden());
  }

  void treeCompareShowsTheLegend() {
    RunState state;
    FillListing(state, 3, 3);
    state.ListBothTreesRun = false;
    state.TreeCompareRun = true;
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    new TFrmChgFlag(&viewer);
    viewer.show();
    QVERIFY(test::Named<QPushButton>(viewer, "HsButLegend")->isVisible());
    QVERIFY(test::Named<QLabel>(viewer, "HsLblInsLabel")->isVisible());
    QCOMPARE(test::Named<QLabel>(viewer, "HsLblDelLabel")->text(),
             QString("Deletes are Old Dirs/Files present in Old Directory Tree but missing in "
                     "New Directory Tree"));
    test::Named<QPushButton>(viewer, "HsButLegend")->click();
    QVERIFY(ChangeFlagLegendWindow() != nullptr && ChangeFlagLegendWindow()->isVisible());
    ChangeFlagLegendWindow()->hide();
    viewer.hide();
  }

  void listsAlwaysScrollTogetherEvenInATypeSixRun() {
    RunState state;
    FillListing(state, 300, 300);
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    test::Named<QTreeView>(viewer, "HsListbox2")->verticalScrollBar()->setValue(40);
    QCOMPARE(viewer.TopRow(test::Named<QTreeView>(viewer, "HsListbox3")), 40);
    test::Named<QTreeView>(viewer, "HsListbox3")->verticalScrollBar()->setValue(90);
    QCOMPARE(viewer.TopRow(test::Named<QTreeView>(viewer, "HsListbox2")), 90);
    viewer.hide();
  }

  void aClickInOneListMovesTheOther() {
    RunState state;
    FillListing(state, 50, 50);
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QModelIndex row3 = viewer.TopModel->index(3, 0);
    QTest::mouseClick(test::Named<QTreeView>(viewer, "HsListbox2")->viewport(), Qt::LeftButton, {},
                      test::Named<QTreeView>(viewer, "HsListbox2")->visualRect(row3).center());
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 3);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 3);
    const QModelIndex row5 = viewer.BottomModel->index(5, 0);
    QTest::mouseClick(test::Named<QTreeView>(viewer, "HsListbox3")->viewport(), Qt::LeftButton, {},
                      test::Named<QTreeView>(viewer, "HsListbox3")->visualRect(row5).center());
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 5);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 5);
    viewer.hide();
  }

  void toBottomSelectsEachListsOwnLastRow() {
    RunState state;
    FillListing(state, 10, 4);
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    test::Named<QPushButton>(viewer, "HsButBottom")->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")),
             9);  // not copied back from the bottom
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 3);
    QVERIFY(!viewer.BottomJumpActive());
    test::Named<QPushButton>(viewer, "HsButTop")->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 0);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 0);
  }

  void headerBandsSpanTheListsAndTheTitlesScrollIntoView() {
    RunState state;
    FillListing(state, 5, 3);
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(12));
    viewer.resize(500, 600);
    viewer.show();
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "HsListbox3"), 0), QString());
    viewer.resize(1200, 600);
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "HsListbox2"), 0), QString());
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "HsListbox3"), 0), QString());
  }

  void findTestsTheTopRowFirstAndSelectsBoth() {
    test::RecordedMessages messages;
    RunState state;
    FillListing(state, 6, 6);
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    test::Named<QPushButton>(viewer, "HsButFind")->click();
    QCOMPARE(test::FindLabelFault(*test::Named<FindTextDialog>(viewer, "HsFindDialog1")),
             QString());
    auto* next =
        test::Named<FindTextDialog>(viewer, "HsFindDialog1")->findChild<QPushButton*>("FindNext");
    test::Named<FindTextDialog>(viewer, "HsFindDialog1")->SetText("OLD4");
    next->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 4);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox3")), 4);
    test::Named<FindTextDialog>(viewer, "HsFindDialog1")->SetDown(false);
    test::Named<FindTextDialog>(viewer, "HsFindDialog1")
        ->SetText("top-split");  // the displayed title of row 0
    next->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "HsListbox2")), 0);
    next->click();
    QCOMPARE(messages.shown, QStringList{"Text Not Found"});
    test::Named<FindTextDialog>(viewer, "HsFindDialog1")->hide();
  }

  void geometryIsRestoredAndKeptInFourCharacters() {
    RunState state;
    FillListing(state, 5, 5);
    state.Viewers.HLeft = "30";
    state.Viewers.HTop = "20";
    state.Viewers.HWide = "700";
    state.Viewers.HHt = "500";
    state.Viewers.HSplit = "250";
    TFrmVSplit2 viewer(state, nullptr);
    viewer.Prepare(ReportFont(8), ReportFont(8));
    viewer.show();
    QCOMPARE(viewer.pos(), QPoint(30, 20));
    QCOMPARE(viewer.size(), QSize(700, 500));
    QCOMPARE(viewer.SplitterTop(), 250);
    viewer.resize(740, 520);
    test::Named<QPushButton>(viewer, "HsButReturn")->click();
    QCOMPARE(state.Viewers.HWide, std::string("740"));
    QCOMPARE(state.Viewers.HHt, std::string("520"));
    QCOMPARE(state.Viewers.HLeft, std::string("30"));
    QCOMPARE(state.Viewers.HTop, std::string("20"));
    QCOMPARE(state.Viewers.HSplit, std::to_string(viewer.SplitterTop()));

    RunState far;
    FillListing(far, 2, 2);
    far.Viewers.HLeft = "5000";  // not smaller than the window's width: not applied
    TFrmVSplit2 other(far, nullptr);
    const int left = other.x();
    other.Prepare(ReportFont(8), ReportFont(8));
    QCOMPARE(other.x(), left);
  }
};

QTEST_MAIN(HSplitViewerTest)
#include "HSplitViewer_qtest.moc"
