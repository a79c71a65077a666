// Runs from the main window: Start, Halt, Re-Show and the viewers a run opens.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "core/CompareTypes.h"
#include "core/IoFailures.h"
#include "platform/FaultyFileSystem.h"
#include "support/TempTree.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/TFrmMain.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/TFrmVSingle.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

namespace {

// What the test saw of the viewer while it was open, before it closed it.
struct ViewerVisit {
  int opened = 0;
  QString caption;
  QString header;
  int rows = -1;
  int selected = -1;
  bool legendShown = false;
  bool oldLabelShown = false;
  QString newDir;
  QString oldDir;
  QRect frame;
  QRect screenArea;
};

// Closes the single list viewer as soon as it shows modally, noting what it showed.
class ViewerCloser : public QObject {
 public:
  ViewerCloser(TFrmVSingle* viewer, ViewerVisit& visit) : viewer_(viewer), visit_(visit) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

 private:
  void Poll() {
    if (QApplication::activeModalWidget() != viewer_) return;
    ++visit_.opened;
    visit_.caption = viewer_->windowTitle();
    visit_.header = viewer_->Model->headerData(0, Qt::Horizontal).toString();
    visit_.rows = viewer_->Model->rowCount();
    visit_.selected = viewer_->SelectedRow();
    visit_.legendShown = test::Named<QLabel>(*viewer_, "LsLblInsLabel")->isVisible() &&
                         test::Named<QLabel>(*viewer_, "LsLblDelLabel")->isVisible();
    visit_.oldLabelShown = test::Named<QLabel>(*viewer_, "OFNameL")->isVisible();
    visit_.newDir = test::Named<QLabel>(*viewer_, "NDirName")->text();
    visit_.oldDir = test::Named<QLabel>(*viewer_, "ODirName")->text();
    visit_.frame = viewer_->frameGeometry();
    visit_.screenArea = viewer_->screen()->availableGeometry();
    viewer_->accept();
  }

  TFrmVSingle* viewer_;
  ViewerVisit& visit_;
  QTimer timer_;
};

}  // namespace

class MainRunTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;
  std::unique_ptr<TFrmMain> frm_;
  TFrmVSingle* viewer_ = nullptr;

  void Open(int type, const std::string& newDir = "new", const std::string& oldDir = "old",
            const FileSystem* fs = nullptr) {
    MainWindowSetup setup;
    setup.Fs = fs;
    setup.ExeDir = tree_->Root();
    setup.SettingsPath = tree_->Path("Kavdrift.ini");
    setup.StartStamp = "01/05/24 13:05";
    frm_ = std::make_unique<TFrmMain>(std::move(setup));
    viewer_ = frm_->Windows().VSingle;
    frm_->show();
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbNewDirNm"), tree_->Path(newDir));
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbOldDirNm"), tree_->Path(oldDir));
    SetComboText(test::Named<QComboBox>(*frm_, "MnCbCompareType"),
                 std::string(CompareTypeItems[type - 1]));
  }

  QString Status() const { return test::Named<QLabel>(*frm_, "MnCurrStatus")->text(); }

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    tree_ = std::make_unique<test::TempTree>();
    tree_->File("new/a.txt", "only new");
    tree_->File("new/c.txt", "same");
    tree_->File("new/d.txt", "changed new");
    tree_->File("old/b.txt", "only old");
    tree_->File("old/c.txt", "same");
    tree_->File("old/d.txt", "changed old");
  }
  void cleanup() {
    frm_.reset();
    tree_.reset();
  }

  void typeOneRunShowsTheSummaryInTheViewer() {
    test::RecordedMessages messages;
    Open(1);
    ViewerVisit visit;
    auto closer = std::make_unique<ViewerCloser>(viewer_, visit);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    closer.reset();

    QCOMPARE(messages.shown, QStringList());
    QCOMPARE(visit.opened, 1);
    const RunState& state = frm_->State();
    QVERIFY(state.RunValidated);
    QVERIFY(!state.RunBusy);
    QCOMPARE(visit.rows, static_cast<int>(state.ReportLines.size()));
    QVERIFY(visit.rows > 5);
    QCOMPARE(visit.selected, 0);
    QCOMPARE(visit.caption, QString(" Kavendrift Compare Program Report - 01/05/24 13:05"));
    QCOMPARE(visit.header, visit.caption);
    QVERIFY(visit.legendShown);  // around a single-level compare
    QVERIFY(visit.oldLabelShown);
    QCOMPARE(visit.newDir, Q(tree_->Path("new")));
    QCOMPARE(visit.oldDir, Q(tree_->Path("old")));
    QCOMPARE(Status(), QString("INFORM01: The processed files have differences            ."));
    QVERIFY(test::Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnBtnStart")->isEnabled());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnButExit")->isEnabled());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnButStop")->isHidden());
    QVERIFY(test::Named<QProgressBar>(*frm_, "MnProgressBar")->isHidden());
    QVERIFY(test::Named<QLabel>(*frm_, "MnImage1")->isHidden() &&
            test::Named<QLabel>(*frm_, "MnImage2")->isHidden());
    QVERIFY(test::Named<QLabel>(*viewer_, "LsLblInsLabel")
                ->isHidden());  // hidden again after the compare
    // Both validated texts were remembered in the histories, as typed.
    QCOMPARE(ComboItems(test::Named<DirComboBox>(*frm_, "MnCbOldDirNm")).front(),
             tree_->Path("old"));
    // The viewer's geometry came back into the run state.
    QVERIFY(!frm_->State().Viewers.VLWide.empty());
    QCOMPARE(frm_->State().Viewers.SDFontSz, std::string("10"));

    // Re-Show opens the same report again, now without the legend.
    ViewerVisit again;
    ViewerCloser closer2(viewer_, again);
    test::Named<QPushButton>(*frm_, "MnBtnRshow")->click();
    QCOMPARE(again.opened, 1);
    QCOMPARE(again.rows, visit.rows);
    QVERIFY(!again.legendShown);
  }

  void aViewerOpensWhollyOnTheScreenWhenTheMainWindowStandsPastItsLeftEdge() {
    test::RecordedMessages messages;
    Open(1);
    frm_->move(-99, 100);
    RunState& state = frm_->State();  // the viewer's stored geometry
    state.Viewers.SPFontSz = "10";
    state.Viewers.VLTop = "120";
    state.Viewers.VLHt = "400";
    state.Viewers.VLWide = "700";
    ViewerVisit visit;
    ViewerCloser closer(viewer_, visit);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(visit.opened, 1);
    QVERIFY2(visit.screenArea.contains(visit.frame),
             qPrintable(QString("viewer at %1,%2").arg(visit.frame.x()).arg(visit.frame.y())));
  }

  void bypassBuildsTheReportWithoutAViewer() {
    test::RecordedMessages messages;
    Open(1);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    ViewerVisit visit;
    ViewerCloser closer(viewer_, visit);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(visit.opened, 0);
    QVERIFY(!frm_->State().ReportLines.empty());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());
  }

  void validationMessagesGoThroughTheHook() {
    test::RecordedMessages messages;
    Open(1, "missing");
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(messages.shown, QStringList{"Invalid New Input File Directory Name specified."});
    QVERIFY(!test::Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());
  }

  void haltDuringALongRunStopsItAndOpensNoViewer() {
    tree_->SizedFile("new/big.bin", 8 << 20);
    tree_->SizedFile("old/big.bin", 8 << 20);
    test::RecordedMessages messages;
    Open(1);
    frm_->State().Panel.PrCkVeqf = true;
    frm_->findChild<QCheckBox*>("PrCkVeqf")->setChecked(true);  // read every block
    ViewerVisit visit;
    ViewerCloser closer(viewer_, visit);
    bool haltWasVisible = false;
    // The first events let through during the run press Halt, as a user would.
    QTimer::singleShot(0, frm_.get(), [&] {
      QPushButton* halt = test::Named<QPushButton>(*frm_, "MnButStop");
      haltWasVisible = halt->isVisible() && halt->isEnabled();
      halt->click();
    });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QVERIFY(haltWasVisible);
    QVERIFY(frm_->State().HaltRequested);
    QCOMPARE(visit.opened, 0);
    QCOMPARE(Status(),
             QString("Operation terminated at user request. End results may not be valid."));
    QVERIFY(!test::Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnButStop")->isHidden());
  }

  void startCannotReenterFromInsideARun() {
    tree_->SizedFile("new/big.bin", 4 << 20);
    tree_->SizedFile("old/big.bin", 4 << 20);
    test::RecordedMessages messages;
    Open(1);
    frm_->findChild<QCheckBox*>("PrCkVeqf")->setChecked(true);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    bool outerStillBusy = false;
    bool startDisabled = false;
    QTimer::singleShot(0, frm_.get(), [&] {
      startDisabled = !test::Named<QPushButton>(*frm_, "MnBtnStart")->isEnabled();
      frm_->MnBtnStartClick();  // a second Start while the first runs does nothing
      outerStillBusy = frm_->State().RunBusy;
    });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QVERIFY(startDisabled);
    QVERIFY(outerStillBusy);
    QVERIFY(!frm_->State().RunBusy);
    QCOMPARE(Status(), QString("INFORM01: The processed files have differences            ."));
  }

  void closingDuringARunHaltsAndThenCloses() {
    tree_->SizedFile("new/big.bin", 8 << 20);
    tree_->SizedFile("old/big.bin", 8 << 20);
    test::RecordedMessages messages;
    Open(1);
    frm_->findChild<QCheckBox*>("PrCkVeqf")->setChecked(true);
    bool refused = false;
    QTimer::singleShot(0, frm_.get(), [&] { refused = !frm_->close(); });
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QVERIFY(refused);
    QVERIFY(frm_->State().HaltRequested);
    QVERIFY(!frm_->isVisible());  // closed once the run had stopped
    QVERIFY(QFile::exists(Q(tree_->Path("Kavdrift.ini"))));
  }

  void typeTwoWithBypassBuildsTheCombinedReportAndOpensNoViewer() {
    test::RecordedMessages messages;
    Open(2);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(messages.shown, QStringList());
    QCOMPARE(Status(), QString(" Operation completed normally. Reshow and display of processing "
                               "results provided."));
    QVERIFY(!frm_->State().CombinedReport.empty());
    QVERIFY(test::Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());
  }

  void anIncompleteRunNamesWhatItCouldNotReadAndSaysSo() {
    test::RecordedMessages messages;
    tree_->File("new/sub/e.txt", "e");
    tree_->File("old/sub/e.txt", "e");
    FaultyFileSystem faulty(RealFileSystem());
    faulty.FailList(tree_->Path("new/sub"));
    Open(2, "new", "old", &faulty);
    test::Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(messages.shown,
             QStringList{Q("The results are incomplete. These could not be read:\n" +
                           tree_->Path("new/sub") + ": Input/output error")});
    QCOMPARE(Status(), Q(std::string(IncompleteRunStatus)));
  }

  void theFailuresAreToldBeforeTheViewerShowsTheReport() {
    test::RecordedMessages messages;
    tree_->File("new/sub/e.txt", "e");
    FaultyFileSystem faulty(RealFileSystem());
    faulty.FailList(tree_->Path("new/sub"));
    Open(5, "new", "ignored", &faulty);
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbOldDirNm"), "");
    ViewerVisit visit;
    int openedAtMessage = -1;
    messages.onMessage = [&](const QString&) { openedAtMessage = visit.opened; };
    ViewerCloser closer(viewer_, visit);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(openedAtMessage, 0);
    QCOMPARE(visit.opened, 1);
  }

  void typeFiveListsTheNewTreeInTheViewer() {
    test::RecordedMessages messages;
    Open(5, "new", "ignored");
    SetComboText(test::Named<DirComboBox>(*frm_, "MnCbOldDirNm"), "");
    ViewerVisit visit;
    ViewerCloser closer(viewer_, visit);
    test::Named<QPushButton>(*frm_, "MnBtnStart")->click();
    QCOMPARE(messages.shown, QStringList());
    QCOMPARE(visit.opened, 1);
    QCOMPARE(visit.header, QString("Ref#  ...Lvl#  Directory/File-Name (Total-Size)  "));
    QVERIFY(!visit.oldLabelShown);
    QCOMPARE(visit.oldDir, QString());
    QCOMPARE(Status(), QString(" List tree of Single Directory operation completed."));
    QVERIFY(test::Named<QPushButton>(*viewer_, "LsBitChngUp")
                ->isEnabled());  // enabled again after the run
  }
};

QTEST_MAIN(MainRunTest)
#include "MainRun_qtest.moc"
