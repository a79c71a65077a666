// The vertical split viewer: its lists, colours, scrolling, navigation, find, font sizes,
// geometry, legend and the switch to the stacked viewer.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>
#include <QtTest>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/SplitListModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/ViewerDialogs.h"

using namespace kav;
using namespace kav::ui;

namespace {

TreeNode* AddRow(RunState& state, TreeNodeList& list, uint8_t kind, const std::string& text,
                 uint32_t color = ColorBlack) {
  TreeNode* node = state.TreeNodes.Add();
  node->Kind = kind;
  node->Text = text;
  node->Color = color;
  list.push_back(node);
  return node;
}

// A long aligned report: a title row, `rows` entry rows, then two summary rows.
void FillAligned(RunState& state, int rows) {
  state.TreeCompareRun = true;
  state.StartStamp = "01/05/24 13:05";
  state.Panel.MnCbNewDirNm = "/data/new";
  state.Panel.MnCbOldDirNm = "/data/old";
  state.Split.LeftHeader = "Ref#  Codes ...Lvl#  New Directory/File-Name";
  state.Split.RightHeader = "Ref#  Codes ...Lvl#  Old Directory/File-Name";
  state.Split.HeadersShown = true;
  state.Split.LegendVisible = true;
  AddRow(state, state.NewTreeLines, NodeHdr, "Kavendrift New Directory (Inserts) Left-Split");
  AddRow(state, state.OldTreeLines, NodeHdr, "Kavendrift Old Directory (Deletes) Right-Split");
  for (int i = 1; i <= rows; ++i) {
    const std::string name = "file" + std::to_string(i) + ".txt";
    AddRow(state, state.NewTreeLines, NodeFile, "* -    .. 2 /" + name, ColorBlue);
    AddRow(state, state.OldTreeLines, NodeFile, "* -    .. 2 /" + name, ColorBlue);
  }
  state.NewNumberedCount = rows + 1;
  state.OldNumberedCount = rows + 1;
  AddRow(state, state.NewTreeLines, NodeHdr, "New Dir = /data/new ");
  AddRow(state, state.OldTreeLines, NodeHdr, "   ");
  AddRow(state, state.NewTreeLines, NodeHdr, "Old Dir = /data/old ");
  AddRow(state, state.OldTreeLines, NodeHdr, "New Dir = on the right");
}

QColor Foreground(const SplitListModel& model, int row) {
  return model.data(model.index(row, 0), Qt::ForegroundRole).value<QColor>();
}

}  // namespace

class SplitViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void modelsPassTheTesterAndAnswerRowsAndColours() {
    RunState state;
    SplitListModel left(state, SplitSide::Left, SplitListRules::SideBySide);
    SplitListModel right(state, SplitSide::Right, SplitListRules::SideBySide);
    QAbstractItemModelTester leftTester(&left,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
    QAbstractItemModelTester rightTester(&right,
                                         QAbstractItemModelTester::FailureReportingMode::QtTest);
    FillAligned(state, 3);
    left.Reset("L");
    right.Reset("R");
    QCOMPARE(left.rowCount(), 6);
    QCOMPARE(left.headerData(0, Qt::Horizontal).toString(), QString("L"));
    QCOMPARE(left.headerData(0, Qt::Horizontal, Qt::ForegroundRole).value<QColor>(),
             QColor(0, 0, 128));
    QCOMPARE(left.data(left.index(0, 0)).toString(),
             QString(" Kavendrift New Directory (Inserts) Left-Split"));
    QCOMPARE(left.data(left.index(2, 0)).toString(), QString("   2  * -    .. 2 /file2.txt"));
    QCOMPARE(right.data(right.index(4, 0)).toString(), QString("    "));
    // Colours: title red on both sides, entries as the report builder set them, "New Dir ="
    // blue on the left and black on the right, "Old Dir =" red.
    QCOMPARE(Foreground(left, 0), QColor(255, 0, 0));
    QCOMPARE(Foreground(right, 0), QColor(255, 0, 0));
    QCOMPARE(Foreground(left, 1), QColor(0, 0, 255));
    QCOMPARE(Foreground(left, 4), QColor(0, 0, 255));
    QCOMPARE(Foreground(left, 5), QColor(255, 0, 0));
    QCOMPARE(Foreground(right, 5), QColor(0, 0, 0));
    QCOMPARE(state.OldTreeLines[5]->Color, ColorBlack);  // written back
    QVERIFY(!left.index(6, 0).isValid());
    state.NewTreeLines.clear();
    left.Reset("empty");
    QCOMPARE(left.rowCount(), 0);
  }

  void preparationFillsTheWindowOnceAfterEachRun() {
    RunState state;
    FillAligned(state, 3);
    TFrmVSplit viewer(state, nullptr);
    QAbstractItemModelTester tester(viewer.LeftModel,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    viewer.show();
    QVERIFY(state.Split.Prepared);
    QCOMPARE(viewer.windowTitle(),
             QString(" Kavendrift Compare Program Side-By-Side Report - 01/05/24 13:05"));
    QCOMPARE(viewer.LeftModel->rowCount(), 6);
    QCOMPARE(viewer.RightModel->rowCount(), 6);
    QCOMPARE(test::Named<QLabel>(viewer, "NDirName")->text(), QString("/data/new"));
    QCOMPARE(test::Named<QLabel>(viewer, "ODirName")->text(), QString("/data/old"));
    QVERIFY(test::Named<QTreeView>(viewer, "VsListBox2")->header()->isVisible());
    QCOMPARE(viewer.LeftModel->headerData(0, Qt::Horizontal).toString(),
             QString("Ref#  Codes ...Lvl#  New Directory/File-Name"));
    QVERIFY(test::Named<QPushButton>(viewer, "VsButLegend")->isVisible());
    QVERIFY(test::Named<QLabel>(viewer, "LsLblHaltMessage")->isHidden());
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListbox3")->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOff);
    QVERIFY(viewer.width() >= 653);
    // A second showing without a new run keeps what the user did.
    viewer.setWindowTitle("kept");
    viewer.hide();
    viewer.show();
    QCOMPARE(viewer.windowTitle(), QString("kept"));
    viewer.hide();
  }

  void legendButtonOnlyInATreeCompare() {
    RunState state;
    FillAligned(state, 2);
    state.TreeCompareRun = false;
    state.ListBothTreesRun = true;  // a legend flag left from an earlier type 2 run
    TFrmVSplit viewer(state, nullptr);
    viewer.Prepare();
    QVERIFY(test::Named<QPushButton>(viewer, "VsButLegend")->isHidden());
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListbox3")->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOn);
  }

  void anAlignedReportScrollsAsOneATypeSixListingDoesNot() {
    for (bool listing : {false, true}) {
      RunState state;
      FillAligned(state, 200);
      state.ListBothTreesRun = listing;
      state.TreeCompareRun = !listing;
      TFrmVSplit viewer(state, nullptr);
      viewer.resize(800, 400);
      viewer.show();
      QVERIFY(QTest::qWaitForWindowExposed(&viewer));
      viewer.SetTopRow(test::Named<QTreeView>(viewer, "VsListbox3"), 50);
      QCOMPARE(viewer.TopRow(test::Named<QTreeView>(viewer, "VsListbox3")), 50);
      QCOMPARE(viewer.TopRow(test::Named<QTreeView>(viewer, "VsListBox2")), listing ? 0 : 50);
      viewer.SetTopRow(test::Named<QTreeView>(viewer, "VsListBox2"), 120);
      QCOMPARE(viewer.TopRow(test::Named<QTreeView>(viewer, "VsListbox3")), listing ? 50 : 120);
      viewer.hide();
    }
  }

  void toTopAndToBottomFollowTheRowCounts() {
    RunState state;
    AddRow(state, state.NewTreeLines, NodeHdr, "a");
    AddRow(state, state.NewTreeLines, NodeHdr, "b");
    AddRow(state, state.NewTreeLines, NodeHdr, "c");
    AddRow(state, state.OldTreeLines, NodeHdr, "x");
    AddRow(state, state.OldTreeLines, NodeHdr, "y");
    TFrmVSplit viewer(state, nullptr);
    viewer.Prepare();
    test::Named<QPushButton>(viewer, "LsButbottom")
        ->click();  // only two rows on the right: nothing happens
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), -1);
    test::Named<QPushButton>(viewer, "LsButTop")->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 0);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListbox3")), 0);
    AddRow(state, state.OldTreeLines, NodeHdr, "z");
    AddRow(state, state.OldTreeLines, NodeHdr, "zz");
    state.Split.Prepared = false;
    viewer.Prepare();
    test::Named<QPushButton>(viewer, "LsButbottom")->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 2);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListbox3")), 3);
  }

  void headerBandsSpanTheLists() {
    RunState state;
    FillAligned(state, 5);
    TFrmVSplit viewer(state, nullptr);
    viewer.resize(1400, 560);
    viewer.show();
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "VsListBox2"), 0), QString());
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "VsListbox3"), 0), QString());
  }

  void findSearchesBothSidesAndSaysWhenNothingIsFound() {
    test::RecordedMessages messages;
    RunState state;
    FillAligned(state, 5);
    TFrmVSplit viewer(state, nullptr);
    viewer.Prepare();
    test::Named<QPushButton>(viewer, "LsButFind1")->click();
    QVERIFY(test::Named<FindTextDialog>(viewer, "FindDialog1")->isVisible());
    QVERIFY(test::Named<FindTextDialog>(viewer, "FindDialog1")->Down());
    QCOMPARE(test::FindLabelFault(*test::Named<FindTextDialog>(viewer, "FindDialog1")), QString());
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")),
             0);  // opening selects row 0 in both
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListbox3")), 0);
    auto* next =
        test::Named<FindTextDialog>(viewer, "FindDialog1")->findChild<QPushButton*>("FindNext");
    test::Named<FindTextDialog>(viewer, "FindDialog1")->SetText("  FILE4.TXT  ");
    next->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 4);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListbox3")), 4);
    test::Named<FindTextDialog>(viewer, "FindDialog1")
        ->SetText("on the right");  // only in the right list's row 7
    next->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 7);
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListbox3")), 7);
    next->click();
    QCOMPARE(messages.shown, QStringList{"Text Not Found"});
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 7);
    test::Named<FindTextDialog>(viewer, "FindDialog1")->SetDown(false);
    test::Named<FindTextDialog>(viewer, "FindDialog1")->SetText("file1.");
    next->click();
    QCOMPARE(viewer.SelectedRow(test::Named<QTreeView>(viewer, "VsListBox2")), 1);
    test::Named<FindTextDialog>(viewer, "FindDialog1")->hide();

    RunState empty;
    TFrmVSplit nothing(empty, nullptr);
    nothing.Prepare();
    test::Named<QPushButton>(nothing, "LsButFind1")->click();
    test::Named<FindTextDialog>(nothing, "FindDialog1")->SetText("x");
    test::Named<FindTextDialog>(nothing, "FindDialog1")
        ->findChild<QPushButton*>("FindNext")
        ->click();
    QCOMPARE(messages.shown.size(), 2);
    QCOMPARE(messages.shown.last(), QString("Text Not Found"));
    test::Named<FindTextDialog>(nothing, "FindDialog1")->hide();
  }

  void fontSizeBoxesSetTheListsAndTheStoredSizes() {
    RunState state;
    FillAligned(state, 3);
    state.Viewers.SpPFontSz = "9";
    state.Viewers.SpDFontSz = "11";
    TFrmVSplit viewer(state, nullptr);
    viewer.show();
    QCOMPARE(test::Named<QComboBox>(viewer, "CbFontSize")->currentText(), QString("9"));
    QCOMPARE(test::Named<QComboBox>(viewer, "LsCbLBFontSz")->currentText(), QString("11"));
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListBox2")->font().pointSize(),
             8);  // the lists keep their font
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListBox2")->font().family(), QString("Courier New"));
    const QModelIndex first = viewer.LeftModel->index(1, 0);
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListBox2")->visualRect(first).height(), 14);
    test::Named<QComboBox>(viewer, "LsCbLBFontSz")->setCurrentText("12");
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListBox2")->font().pointSize(), 12);
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListbox3")->font().pointSize(), 12);
    QCOMPARE(test::Named<QTreeView>(viewer, "VsListBox2")->visualRect(first).height(), 14);
    QCOMPARE(state.Viewers.SpDFontSz, std::string("11"));  // the box alone does not store
    QTest::mouseClick(test::Named<ClickableLabel>(viewer, "LsLblVLFSz"), Qt::LeftButton);
    QCOMPARE(state.Viewers.SpDFontSz, std::string("12"));
    test::Named<QComboBox>(viewer, "CbFontSize")->setCurrentText("10");
    QCOMPARE(state.Viewers.SpPFontSz, std::string("10"));  // stored at once
    viewer.hide();
  }

  void geometryIsRestoredAtLeast653WideAndStoredOnClose() {
    RunState state;
    FillAligned(state, 3);
    state.Viewers.VLSpTop = "40";
    state.Viewers.VLSpHt = "300";
    state.Viewers.VLSpWide = "500";
    TFrmVSplit viewer(state, nullptr);
    viewer.show();
    QCOMPARE(viewer.y(), 40);
    QCOMPARE(viewer.height(), 300);
    QCOMPARE(viewer.width(), 653);
    viewer.resize(1024, 333);
    test::Named<QPushButton>(viewer, "LsButReturn")->click();
    QCOMPARE(viewer.result(), int(QDialog::Accepted));
    QCOMPARE(state.Viewers.VLSpHt, std::string("333"));
    QCOMPARE(state.Viewers.VLSpWide, std::string("102"));
    QCOMPARE(state.Viewers.SpPFontSz, std::string("8"));
    QCOMPARE(state.Viewers.SpDFontSz, std::string("8"));

    RunState fresh;  // nothing stored: the designed window, at least 653 wide
    FillAligned(fresh, 1);
    TFrmVSplit designed(fresh, nullptr);
    const QSize size = designed.size();
    designed.Prepare();
    QCOMPARE(designed.size(), size);
    QVERIFY(designed.width() >= 653);
  }

  void legendShowsBesideTheViewer() {
    RunState state;
    FillAligned(state, 1);
    TFrmVSplit viewer(state, nullptr);
    new TFrmChgFlag(&viewer);
    viewer.show();
    test::Named<QPushButton>(viewer, "VsButLegend")->click();
    TFrmChgFlag* legend = ChangeFlagLegendWindow();
    QVERIFY(legend != nullptr);
    QVERIFY(legend->isVisible());
    QVERIFY(viewer.isVisible());
    QVERIFY(!legend->isModal());
    test::Named<QPushButton>(*legend, "ButClose")->click();
    QVERIFY(legend->isHidden());
    viewer.hide();
  }

  void hsplitOpensTheStackedViewerOverThisOne() {
    RunState state;
    FillAligned(state, 4);
    TFrmVSplit viewer(state, nullptr);
    viewer.show();
    test::Named<QComboBox>(viewer, "LsCbLBFontSz")->setCurrentText("11");
    QString caption;
    int topFont = 0;
    bool underneathVisible = false;
    test::ModalWatcher<TFrmVSplit2> watcher([&](TFrmVSplit2* stacked) {
      caption = stacked->windowTitle();
      topFont = test::Named<QTreeView>(*stacked, "HsListbox2")->font().pointSize();
      underneathVisible = viewer.isVisible();
      test::Named<QPushButton>(*stacked, "HsButReturn")->click();
    });
    test::Named<QPushButton>(viewer, "VsBtnHortChg")->click();
    QCOMPARE(watcher.opened, 1);
    QCOMPARE(caption,
             QString(" Kavendrift Compare Program Horizontal Split Report - 01/05/24 13:05"));
    QCOMPARE(topFont, 11);
    QVERIFY(underneathVisible);
    QVERIFY(!state.Viewers.HHt.empty());  // its geometry was kept
    viewer.hide();

    RunState empty;  // nothing to show: the button does nothing
    TFrmVSplit none(empty, nullptr);
    none.Prepare();
    test::Named<QPushButton>(none, "VsBtnHortChg")->click();
    QCOMPARE(watcher.opened, 1);
  }

  void outputButtonsAskTheirDialogsAndStopWhenCancelled() {
    int printers = 0;
    int saves = 0;
    const ViewerDialogHooks old =
        SetViewerDialogHooks({[&](QWidget*, const QString&, const QString&, const QString&) {
                                ++saves;
                                return QString();
                              },
                              [&](QWidget*, QPrinter&) {
                                ++printers;
                                return false;
                              }});
    test::RecordedMessages messages;
    RunState state;
    TFrmVSplit viewer(state, nullptr);
    test::Named<QPushButton>(viewer, "LsButPrint")->click();
    test::Named<QPushButton>(viewer, "LsButColorPrint")->click();
    test::Named<QPushButton>(viewer, "LsButSaveAs")->click();
    SetViewerDialogHooks(old);
    QCOMPARE(printers, 2);
    QCOMPARE(saves, 1);
    QVERIFY(messages.shown.isEmpty());
  }
};

QTEST_MAIN(SplitViewerTest)
#include "SplitViewer_qtest.moc"
