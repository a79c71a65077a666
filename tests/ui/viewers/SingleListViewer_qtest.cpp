// The single list viewer: its model, navigation, find, font sizes and remembered geometry.
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/ShowSingleListReport.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/ViewerDialogs.h"

using namespace kav;
using namespace kav::ui;

namespace {

void FillSummary(RunState& state) {
  state.ReportLines = {
      "Kavendrift Compare Program Report",  // 0
      "New Dir = /n/",                      // 1
      "Old Dir = /o/",                      // 2
      "Ref#  Chg  File-Name",               // 3
      "I - a.txt",                          // 4
      "I - b.txt",                          // 5
      "*   c.txt",                          // 6
      "    d.txt",                          // 7
      "D - e.txt",                          // 8
      "*   f.txt",                          // 9
      "",                                   // 10
      "OPTIONS = None",                     // 11
  };
  state.SummaryTopLine = 3;
  state.SummaryTotalsLine = 10;
}

// A type 5 listing: a root, two directories under it and one below the second.
void FillTreeListing(RunState& state) {
  state.ListNewTreeRun = true;
  state.Options.OptLdeo = true;
  struct Row {
    const char* text;
    uint8_t kind;
    int parent;
  } rows[] = {{"root", NodeDir, -1}, {"a", NodeDir, 0},     {"b", NodeDir, 0},
              {"b/x", NodeDir, 2},   {"file", NodeFile, 3}, {"OPTIONS = Ldeo", NodeHdr, -1}};
  for (const Row& row : rows) {
    TreeNode* node = state.TreeNodes.Add();
    node->Kind = row.kind;
    node->ParentIndex = row.parent;
    node->Color = ColorBlack;
    state.NewTreeLines.push_back(node);
    state.ReportLines.emplace_back(row.text);
  }
  state.SummaryTopLine = -1;
  state.SummaryTotalsLine = static_cast<int32_t>(state.ReportLines.size());
}

QColor Foreground(const SingleListModel& model, int row) {
  return model.data(model.index(row, 0), Qt::ForegroundRole).value<QColor>();
}

}  // namespace

class SingleListViewerTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void modelPassesTheTesterAndAnswersRowsAndColours() {
    RunState state;
    SingleListModel model(state);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    FillSummary(state);
    model.Reset("header");
    QCOMPARE(model.rowCount(), 12);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("header"));
    QCOMPARE(model.data(model.index(0, 0)).toString(),
             QString(" Kavendrift Compare Program Report"));
    QCOMPARE(model.data(model.index(4, 0)).toString(), QString("   1  I - a.txt"));
    QCOMPARE(model.data(model.index(9, 0)).toString(), QString("   6  *   f.txt"));
    QCOMPARE(model.data(model.index(10, 0)).toString(), QString(" "));
    struct Colour {
      int row;
      QColor colour;
    } colours[] = {{0, QColor(0, 0, 255)}, {1, QColor(0, 0, 255)}, {2, QColor(255, 0, 0)},
                   {3, QColor(0, 0, 0)},   {4, QColor(0, 128, 0)}, {6, QColor(255, 0, 0)},
                   {7, QColor(0, 0, 0)},   {8, QColor(0, 0, 255)}, {11, QColor(0, 0, 255)}};
    for (const Colour& c : colours) QCOMPARE(Foreground(model, c.row), c.colour);
    QVERIFY(!model.index(12, 0).isValid());

    state.ReportLines.clear();
    model.Reset("empty");
    QCOMPARE(model.rowCount(), 0);
  }

  void treeListingColoursAreSettledInOrderAndWrittenBack() {
    RunState state;
    FillTreeListing(state);
    TFrmVSingle viewer(state, nullptr);
    QAbstractItemModelTester tester(viewer.Model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    PrepareSingleListReport(state, viewer);
    const uint32_t expected[] = {ColorRed, ColorBlue, ColorBlue, ColorRed, ColorBlue, ColorBlue};
    for (int row = 0; row < 6; ++row) {
      QCOMPARE(state.NewTreeLines[row]->Color, expected[row]);
      QCOMPARE(Foreground(*viewer.Model, row), EngineColor(expected[row]));
    }
    QCOMPARE(viewer.Model->headerData(0, Qt::Horizontal).toString(),
             QString("Ref#  ...Lvl#  Directory/File-Name (Total-Size)  "));
    QVERIFY(test::Named<QLabel>(viewer, "OFNameL")->isHidden());
  }

  void changeSpanButtonsMoveTheSelectionOrSaySo() {
    test::RecordedMessages messages;
    RunState state;
    FillSummary(state);
    TFrmVSingle viewer(state, nullptr);
    PrepareSingleListReport(state, viewer);
    QCOMPARE(viewer.SelectedRow(), 0);
    const int down[] = {4, 6, 8, 9};
    for (int row : down) {
      test::Named<QPushButton>(viewer, "LsBitChngDown")->click();
      QCOMPARE(viewer.SelectedRow(), row);
    }
    test::Named<QPushButton>(viewer, "LsBitChngDown")->click();
    QCOMPARE(viewer.SelectedRow(), 9);
    QCOMPARE(messages.shown,
             QStringList{"No more \"Change Spans\" found in the downward direction."});
    const int up[] = {8, 6, 5};
    for (int row : up) {
      test::Named<QPushButton>(viewer, "LsBitChngUp")->click();
      QCOMPARE(viewer.SelectedRow(), row);
    }
    test::Named<QPushButton>(viewer, "LsBitChngUp")->click();
    QCOMPARE(viewer.SelectedRow(), 5);
    QCOMPARE(messages.shown.last(),
             QString("No more \"Change Spans\" found in the upward direction."));
    test::Named<QPushButton>(viewer, "LsButbottom")->click();
    QCOMPARE(viewer.SelectedRow(), 11);
    test::Named<QPushButton>(viewer, "LsButTop")->click();
    QCOMPARE(viewer.SelectedRow(), 0);
  }

  void headerBandSpansTheList() {
    RunState state;
    FillSummary(state);
    TFrmVSingle viewer(state, nullptr);
    PrepareSingleListReport(state, viewer);
    viewer.show();
    QCOMPARE(test::HeaderBandFault(*test::Named<QTreeView>(viewer, "VlbListBox1"), 0), QString());
  }

  void findSearchesWithoutCaseAndWithoutWrap() {
    test::RecordedMessages messages;
    RunState state;
    FillSummary(state);
    TFrmVSingle viewer(state, nullptr);
    PrepareSingleListReport(state, viewer);
    test::Named<QTreeView>(viewer, "VlbListBox1")->selectionModel()->clearSelection();
    test::Named<QPushButton>(viewer, "LsButFind")->click();
    FindTextDialog* find = test::Named<FindTextDialog>(viewer, "FindDialog1");
    QVERIFY(find->isVisible());
    QVERIFY(find->Down());
    QCOMPARE(test::FindLabelFault(*find), QString());
    QCOMPARE(viewer.SelectedRow(), 0);  // opening selects row 0
    QVERIFY(!find->findChild<QCheckBox*>()->isEnabled());
    auto* next = find->findChild<QPushButton*>("FindNext");
    QVERIFY(!next->isEnabled());
    find->findChild<QLineEdit*>("FindText")->setText("C.TXT");
    next->click();
    QCOMPARE(viewer.SelectedRow(), 6);
    next->click();
    QCOMPARE(viewer.SelectedRow(), 6);
    QCOMPARE(messages.shown, QStringList{"Text Not Found"});
    find->SetDown(false);
    find->SetText("ref#");
    next->click();
    QCOMPARE(viewer.SelectedRow(), 3);
    test::Named<QPushButton>(viewer, "LsButTop")->click();
    next->click();  // upward from row 0 examines nothing
    QCOMPARE(viewer.SelectedRow(), 0);
    QCOMPARE(messages.shown.size(), 2);
    find->hide();
  }

  void anEmptyStoreShowsNothingAndFindsNothing() {
    test::RecordedMessages messages;
    RunState state;
    TFrmVSingle viewer(state, nullptr);
    PrepareSingleListReport(state, viewer);
    QCOMPARE(viewer.Model->rowCount(), 0);
    test::Named<QPushButton>(viewer, "LsButTop")->click();
    test::Named<QPushButton>(viewer, "LsButbottom")->click();
    QCOMPARE(viewer.SelectedRow(), -1);
    test::Named<QPushButton>(viewer, "LsButFind")->click();
    test::Named<FindTextDialog>(viewer, "FindDialog1")->SetText("x");
    test::Named<FindTextDialog>(viewer, "FindDialog1")
        ->findChild<QPushButton*>("FindNext")
        ->click();
    QCOMPARE(messages.shown, QStringList{"Text Not Found"});
    test::Named<FindTextDialog>(viewer, "FindDialog1")->hide();
  }

  void listFontSizeChangesAtOnceAndRowsKeepTheirHeight() {
    RunState state;
    FillSummary(state);
    TFrmVSingle viewer(state, nullptr);
    PrepareSingleListReport(state, viewer);
    viewer.show();
    QCOMPARE(test::Named<QTreeView>(viewer, "VlbListBox1")->font().family(),
             QString("Courier New"));
    QCOMPARE(test::Named<QTreeView>(viewer, "VlbListBox1")->font().styleHint(), QFont::TypeWriter);
    QCOMPARE(viewer.ListFontSize(), 8);
    QCOMPARE(test::Named<QComboBox>(viewer, "LsCbLBFontSz")->currentText(), QString("10"));
    QCOMPARE(test::Named<QComboBox>(viewer, "CbFontSize")->currentText(), QString("10"));
    const QModelIndex first = viewer.Model->index(1, 0);
    QCOMPARE(test::Named<QTreeView>(viewer, "VlbListBox1")->visualRect(first).height(), 14);
    test::Named<QComboBox>(viewer, "LsCbLBFontSz")->setCurrentText("12");
    QCOMPARE(viewer.ListFontSize(), 12);
    QCOMPARE(test::Named<QTreeView>(viewer, "VlbListBox1")->visualRect(first).height(), 14);
    test::Named<QComboBox>(viewer, "CbFontSize")
        ->setCurrentText("9");  // print size only: the list keeps its size
    QCOMPARE(viewer.ListFontSize(), 12);
    viewer.hide();
  }

  void geometryAndFontSizesAreRestoredAndStored() {
    RunState state;
    FillSummary(state);
    state.Viewers.SPFontSz = "9";
    state.Viewers.SDFontSz = "11";
    state.Viewers.VLTop = "40";
    state.Viewers.VLHt = "300";
    state.Viewers.VLWide = "950";
    QWidget owner;
    auto* viewer = new TFrmVSingle(state, &owner);
    QSize seenSize;
    int seenTop = -1;
    int seenFont = 0;
    QString seenPrint;
    QTimer::singleShot(0, viewer, [&] {
      seenSize = viewer->size();
      seenTop = viewer->y();
      seenFont = viewer->ListFontSize();
      seenPrint = test::Named<QComboBox>(*viewer, "CbFontSize")->currentText();
      viewer->resize(1024, 333);
      test::Named<QPushButton>(*viewer, "LsButReturn")->click();
    });
    ShowSingleListReport(state, *viewer);
    QCOMPARE(seenSize, QSize(950, 300));
    QCOMPARE(seenTop, 40);
    QCOMPARE(seenFont, 11);
    QCOMPARE(seenPrint, QString("9"));
    QCOMPARE(state.Viewers.SDFontSz, std::string("11"));
    QCOMPARE(state.Viewers.SPFontSz, std::string("9"));
    QCOMPARE(state.Viewers.VLTop, std::string("40"));
    QCOMPARE(state.Viewers.VLHt, std::string("333"));
    QCOMPARE(state.Viewers.VLWide, std::string("102"));  // three characters are kept
  }

  void aFirstShowingKeepsTheDesignedWindow() {
    RunState state;
    FillSummary(state);
    TFrmVSingle viewer(state, nullptr);
    const QSize designed = viewer.size();
    PrepareSingleListReport(state, viewer);
    QCOMPARE(viewer.size(), designed);
    QCOMPARE(viewer.ListFontSize(), 8);
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
    TFrmVSingle viewer(state, nullptr);
    test::Named<QPushButton>(viewer, "LsButPrint")->click();
    test::Named<QPushButton>(viewer, "LsButColorPrint")->click();
    test::Named<QPushButton>(viewer, "LsButSaveAs")->click();
    SetViewerDialogHooks(old);
    QCOMPARE(printers, 2);
    QCOMPARE(saves, 1);
    QVERIFY(messages.shown.isEmpty());
  }
};

QTEST_MAIN(SingleListViewerTest)
#include "SingleListViewer_qtest.moc"
