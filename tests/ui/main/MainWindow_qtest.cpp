// The main window: start-up, pages, preferences, closing, drops, histories and hints.
#include <QCheckBox>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QUrl>
#include <QtTest>
#include <filesystem>

#include "UiTestSupport.h"
#include "core/PreferenceTable.h"
#include "platform/IniFile.h"
#include "support/TempTree.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/TFrmMain.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;

  MainWindowSetup Setup(std::vector<std::string> arguments = {}) {
    MainWindowSetup setup;
    setup.ExeDir = tree_->Root();
    setup.SettingsPath = tree_->Path("Kavdrift.ini");
    setup.Arguments = std::move(arguments);
    setup.StartStamp = "01/05/24 13:05:59";
    return setup;
  }

  std::vector<std::string> SettingsLines() {
    std::vector<std::string> lines;
    ReadIniSection(tree_->Path("Kavdrift.ini"), "Kavdrift", lines);
    return lines;
  }

  static void SendDrop(TFrmMain& frm, const QStringList& paths, int y) {
    QList<QUrl> urls;
    for (const QString& path : paths) urls.append(QUrl::fromLocalFile(path));
    SendDrop(frm, urls, y);
  }

  static void SendDrop(TFrmMain& frm, const QList<QUrl>& urls, int y) {
    auto* mime = new QMimeData;
    mime->setUrls(urls);
    QDragEnterEvent enter(QPoint(250, y), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frm, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(250, y), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frm, &drop);
    delete mime;
  }

  static QString Text(const QComboBox* combo) { return combo->currentText(); }

 private slots:
  void init() {
    tree_ = std::make_unique<test::TempTree>();
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void cleanup() { tree_.reset(); }

  void startUpShowsTheMainPanelAsDesigned() {
    TFrmMain frm(Setup());
    QCOMPARE(frm.windowTitle(), QString("Kavendrift - Dir Binary File Compare Program "));
    QCOMPARE(frm.size(), QSize(501, 418));
    QCOMPARE(frm.minimumSize(), frm.maximumSize());
    QVERIFY(!(frm.windowFlags() & Qt::WindowMaximizeButtonHint));
    QTabWidget* book = test::Named<QTabWidget>(frm, "AATabbedNotebook1");
    QCOMPARE(book->count(), 5);
    const char* tabs[] = {"Main Panel", "Directory Select", "Preferences", "About", "Overview"};
    for (int i = 0; i < 5; ++i) QCOMPARE(book->tabText(i), QString(tabs[i]));
    QCOMPARE(frm.CurrentPage(), 0);
    QCOMPARE(test::Named<QLabel>(frm, "MnCurrStatus")->text(),
             QString(" Waiting for information to be set, verified, and complete."));
    QCOMPARE(test::Named<QLabel>(frm, "MnVerNum")->text(),
             QString("Kavendrift V3.0d - (08/01/2001)"));
    QCOMPARE(test::Named<QLabel>(frm, "AbLblVersion")->text(),
             QString(":   Kavendrift V3.0d - (08/01/2001)"));
    QCOMPARE(test::Named<QComboBox>(frm, "MnCbCompareType")->currentText(),
             QString("1. Compare All Like-Name Files - Current New/Old Dirs"));
    QCOMPARE(test::Named<QComboBox>(frm, "MnCbCompareType")->count(), 6);
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("None"));
    QCOMPARE(test::Named<QPlainTextEdit>(frm, "mnMemDirect")->toPlainText(),
             QString("1. Specify Input Directories \n2. Set Compare/List Type Entry \n"
                     "3. Press Start Button"));
    QVERIFY(!test::Named<QPushButton>(frm, "MnBtnRshow")->isEnabled());
    for (QWidget* hidden : {static_cast<QWidget*>(test::Named<QPushButton>(frm, "MnButStop")),
                            static_cast<QWidget*>(test::Named<QProgressBar>(frm, "MnProgressBar")),
                            static_cast<QWidget*>(test::Named<QLabel>(frm, "MnTitleProgBar")),
                            static_cast<QWidget*>(test::Named<QLabel>(frm, "MnImage1")),
                            static_cast<QWidget*>(test::Named<QLabel>(frm, "MnImage2")),
                            static_cast<QWidget*>(test::Named<QLabel>(frm, "MnTitlePosPCent"))}) {
      QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
    }
    QCOMPARE(frm.State().StartStamp, std::string("01/05/24 13:05"));
    QCOMPARE(frm.State().ExeDir, tree_->Root());
    QVERIFY(frm.HintsShown());
  }

  void controlsCarryTheirCaptionsAndHints() {
    TFrmMain frm(Setup());
    struct Row {
      const char* name;
      const char* caption;
      const char* hint;
    } rows[] = {
        {"MnBtnStart", "&Start", "Starts processing of Selected Directories or Files"},
        {"MnButStop", "&Halt", "Stops processing of Selected directories at available increment"},
        {"MnButExit", "&Exit", "Exit from the Kavendrift Program"},
        {"MnButBrowse", "&Dir Select", "Browse and set New and Old Directory names"},
        {"MnBtnRshow", "&Re-Show Last Report Panel",
         "If button is not grayed, displays last operation report "},
        {"MnCkViewResults", "Bypass show of Report Panel", "Turns off display of Report to user"},
        {"MnCkTurnOffHint", "Turn off All Panel Hints", "Turns off display of hints to user"},
        {"PrButReturn", "&Return", "Returns to Main Panel"},
        {"PrButCancel", "&Cancel", "Retains Original Preference Options and Returns"},
        {"PrButReset", "&Reset", "Resets all Preferences to Unchecked State"},
        {"AbButReturn", "&Return", "Returns to the Main Panel"},
        {"OvBitReturn", "&Return", "Return to Main Panel"},
        {"PrCkVeqf", "Veqf", nullptr},
        {"PrCkChgO", "Chgo", nullptr},
        {"PrCkListDEO", "Ldeo", nullptr},
        {"PrCkListStyle", "Lsbs", nullptr},
        {"MnLblNF", "New Directory :", nullptr},
        {"MnLblOF", "Old Directory :", nullptr},
        {"MnLblCompType", "Compare/List Type:", nullptr},
        {"MnLblPref", "User Selected Preferences:", nullptr},
        {"MnStatus", "Status:", nullptr},
        {"PrTitPr", "Preference Options --- Affects Compare and Generated Results", nullptr},
    };
    for (const Row& row : rows) {
      QWidget* widget = frm.findChild<QWidget*>(row.name);
      QVERIFY2(widget != nullptr, row.name);
      QString caption = widget->property("text").toString();
      QCOMPARE(caption, QString(row.caption));
      if (row.hint != nullptr) QCOMPARE(widget->toolTip(), QString(row.hint));
    }
    QCOMPARE(frm.findChild<QWidget*>("MnCbNewDirNm")->toolTip(),
             QString("Used as new directory or file in comparison"));
    QCOMPARE(frm.findChild<QWidget*>("MnImage2")->toolTip(),
             QString("Running man shows program in progressing"));
    QVERIFY(test::Named<QPlainTextEdit>(frm, "OvMemo1")->toPlainText().contains("Lsbs"));
    QVERIFY(test::Named<QPlainTextEdit>(frm, "OvMemo1")->isReadOnly());
  }

  void settingsFileIsAppliedAndArgumentsWin() {
    test::TempTree& t = *tree_;
    t.Dir("New");
    t.Dir("Old");
    t.Dir("h1");
    t.File("Kavdrift.ini", "[Kavdrift]\nTop=40\nLeft=50\nNewDirNm=" + t.Path("New") +
                               "\nNFCombo0=" + t.Path("h1") + "\nOldDirNm=" + t.Path("Old") +
                               "\nCompareType=6. List All Sub Levels Dir/Files - New/Old Dir Tree\n"
                               "ViewResults=1\nTurnOffHint=1\nOptsUsed=lsbs Veqf\nVLWide=640\n");
    TFrmMain frm(Setup({"/given/new"}));
    QCOMPARE(frm.pos(), QPoint(50, 40));
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), QString("/given/new"));
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbOldDirNm")), Q(t.Path("Old")));
    QCOMPARE(test::Named<DirComboBox>(frm, "MnCbNewDirNm")
                 ->itemText(test::Named<DirComboBox>(frm, "MnCbNewDirNm")->count() - 1),
             Q(t.Path("h1")));
    QCOMPARE(Text(test::Named<QComboBox>(frm, "MnCbCompareType")),
             QString("6. List All Sub Levels Dir/Files - New/Old Dir Tree"));
    QVERIFY(test::Named<QCheckBox>(frm, "MnCkViewResults")->isChecked());
    QVERIFY(test::Named<QCheckBox>(frm, "MnCkTurnOffHint")->isChecked());
    QVERIFY(!frm.HintsShown());
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Lsbs Veqf"));
    QVERIFY(frm.findChild<QCheckBox*>("PrCkListStyle")->isChecked());
    QVERIFY(frm.findChild<QCheckBox*>("PrCkVeqf")->isChecked());
    QVERIFY(!frm.findChild<QCheckBox*>("PrCkChgO")->isChecked());
    QCOMPARE(frm.State().Viewers.VLWide, std::string("640"));
  }

  void storedPositionsFarOffTheScreenBringTheWindowOntoIt() {
    const char* positions[][2] = {{"2147483648", "-2147483649"},
                                  {"2147483647", "2147483647"},
                                  {"-2147483648", "99999999999999999999"},
                                  {"-99", "-40"}};
    tree_->Dir("New");
    for (const auto& [top, left] : positions) {
      tree_->File("Kavdrift.ini", std::string("[Kavdrift]\nTop=") + top + "\nLeft=" + left +
                                      "\nNewDirNm=" + tree_->Path("New") + "\n");
      TFrmMain frm(Setup());
      const QRect area = frm.screen()->availableGeometry();
      QVERIFY2(area.contains(frm.frameGeometry()), top);
      // A number beyond 32 bits is still a position: the lines after it are read.
      QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), Q(tree_->Path("New")));
    }
  }

  void preferencesCancelRestoresTheBoxesAndText() {
    TFrmMain frm(Setup());
    auto* veqf = frm.findChild<QCheckBox*>("PrCkVeqf");
    auto* chgo = frm.findChild<QCheckBox*>("PrCkChgO");
    frm.SelectPage(2);
    veqf->setChecked(true);
    test::Named<QPushButton>(frm, "PrButReturn")->click();
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Veqf"));

    frm.SelectPage(2);
    veqf->setChecked(false);
    chgo->setChecked(true);
    test::Named<QPushButton>(frm, "PrButCancel")->click();
    QCOMPARE(frm.CurrentPage(), 0);
    QVERIFY(veqf->isChecked());
    QVERIFY(!chgo->isChecked());
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Veqf"));
  }

  void preferencesReturnAndLeavingKeepTheChanges() {
    TFrmMain frm(Setup());
    frm.SelectPage(2);
    frm.findChild<QCheckBox*>("PrCkListStyle")->setChecked(true);
    frm.findChild<QCheckBox*>("PrCkChgO")->setChecked(true);
    test::Named<QPushButton>(frm, "PrButReturn")->click();
    QCOMPARE(frm.CurrentPage(), 0);
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Chgo Lsbs"));

    frm.SelectPage(2);
    frm.findChild<QCheckBox*>("PrCkItdt")->setChecked(true);
    frm.SelectPage(3);  // About
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Chgo Itdt Lsbs"));
  }

  void resetUnchecksButTheTextWaitsForLeaving() {
    TFrmMain frm(Setup());
    frm.SelectPage(2);
    frm.findChild<QCheckBox*>("PrCkGmsg")->setChecked(true);
    frm.SelectPage(0);
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Gmsg"));
    frm.SelectPage(2);
    test::Named<QPushButton>(frm, "PrButReset")->click();
    QCOMPARE(frm.CurrentPage(), 2);
    for (const PreferenceEntry& box : PreferenceTable) {
      QVERIFY(!test::Named<QCheckBox>(frm, std::string(box.Name).c_str())->isChecked());
    }
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("Gmsg"));
    frm.SelectPage(4);
    QCOMPARE(test::Named<QLabel>(frm, "MnlblOptsUsed")->text(), QString("None"));
  }

  void closingFromOtherPagesReturnsToTheMainPanel() {
    test::RecordedMessages messages;  // the Directory Select page asks before it returns
    TFrmMain frm(Setup());
    frm.show();
    for (int page : {1, 2, 3, 4}) {
      frm.SelectPage(page);
      QVERIFY(!frm.close());
      QCOMPARE(frm.CurrentPage(), 0);
      QVERIFY(frm.isVisible());
    }
    QVERIFY(SettingsLines().empty());  // nothing written by a turned-back close
    frm.SelectPage(4);
    test::Named<QPushButton>(frm, "OvBitReturn")->click();
    QCOMPARE(frm.CurrentPage(), 0);
    frm.SelectPage(1);
    test::Named<QPushButton>(frm, "DsButReturn")->click();
    QCOMPARE(frm.CurrentPage(), 0);
    QCOMPARE(messages.asked.size(), 2);
  }

  void closingFromTheMainPanelWritesTheSettings() {
    test::TempTree& t = *tree_;
    t.Dir("a");
    t.Dir("b");
    {
      TFrmMain frm(Setup());
      frm.show();
      frm.move(120, 80);
      SetComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm"),
                   t.Path("b"));  // both go to the history as they are typed
      SetComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm"), t.Path("a"));
      SetComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm"), "/typed/old");
      test::Named<QCheckBox>(frm, "MnCkViewResults")->setChecked(true);
      frm.SelectPage(2);
      frm.findChild<QCheckBox*>("PrCkSpnm")->setChecked(true);
      frm.SelectPage(0);
      frm.State().Viewers.VLWide = "102";
      QVERIFY(frm.close());
    }
    std::vector<std::string> lines = SettingsLines();
    QVERIFY(lines.size() > 10);
    QCOMPARE(lines[0], std::string("Top=80"));
    QCOMPARE(lines[1], std::string("Left=120"));
    QCOMPARE(lines[2], "NewDirNm=" + t.Path("a"));
    QCOMPARE(lines[3], "NFCombo0=" + t.Path("b"));  // the current text is stored once
    QCOMPARE(lines[4], std::string("OldDirNm=/typed/old"));

    TFrmMain again(Setup());
    QCOMPARE(again.pos(), QPoint(120, 80));
    QCOMPARE(Text(test::Named<DirComboBox>(again, "MnCbNewDirNm")), Q(t.Path("a")));
    QCOMPARE(Text(test::Named<DirComboBox>(again, "MnCbOldDirNm")), QString("/typed/old"));
    QVERIFY(test::Named<QCheckBox>(again, "MnCkViewResults")->isChecked());
    QVERIFY(again.findChild<QCheckBox*>("PrCkSpnm")->isChecked());
    QCOMPARE(test::Named<QLabel>(again, "MnlblOptsUsed")->text(), QString("Spnm"));
    QCOMPARE(again.State().Viewers.VLWide, std::string("102"));
    QCOMPARE(ComboItems(test::Named<DirComboBox>(again, "MnCbNewDirNm")),
             (StringList{t.Path("a"), t.Path("b")}));
  }

  void namesThatAreNotUtf8KeepTheirBytes() {
    test::TempTree& t = *tree_;
    const std::string bad = t.Path("Bad\xff\xfeName"), history = t.Path("h\x80");
    const std::string old = t.Path("Old\xe9"), oldHistory = t.Path("oh\xc3");
    for (const std::string& dir : {bad, history, old, oldHistory})
      t.Dir(dir.substr(t.Root().size() + 1));
    t.File("Bad\xff\xfeName/a.txt", "a");
    const std::vector<std::string> stored = {"NewDirNm=" + bad,   "NFCombo0=" + history,
                                             "OldDirNm=" + old,   "OFCombo0=" + oldHistory,
                                             "NFDsCombo0=" + bad, "ViewResults=1"};
    std::string file = "[Kavdrift]\n";
    for (const std::string& line : stored) file += EscapeIniValue(line) + "\n";
    t.File("Kavdrift.ini", file);
    for (int start = 0; start < 2; ++start) {  // the file the first close wrote is read again
      test::RecordedMessages messages;
      TFrmMain frm(Setup());
      frm.show();
      QCOMPARE(ComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), bad);
      QCOMPARE(ComboItems(test::Named<DirComboBox>(frm, "MnCbNewDirNm")),
               (StringList{bad, history}));
      QCOMPARE(ComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm")), old);
      SetComboText(test::Named<QComboBox>(frm, "MnCbCompareType"),
                   "5. List All Sub Levels Dir/Files - New Dir Tree - Only");
      frm.MnBtnStartClick();
      QCOMPARE(frm.State().NewDirName, bad + "/");
      QCOMPARE(messages.shown, QStringList());
      QCOMPARE(frm.State().Totals.TotalFiles, 1);  // a.txt was found in the folder
      test::Named<DirComboBox>(frm, "MnCbNewDirNm")
          ->setCurrentIndex(test::Named<DirComboBox>(frm, "MnCbNewDirNm")->findText(Q(history)));
      QCOMPARE(ComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm")),
               history);  // picked from the list
      SetComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm"), bad);
      QVERIFY(frm.close());
      const std::vector<std::string> lines = SettingsLines();
      for (const std::string& line : stored) {
        QVERIFY2(std::count(lines.begin(), lines.end(), line) == 1, line.c_str());
      }
    }
  }

  void aSettingsLinkToAnythingButAFileIsNotReplaced() {
    test::TempTree& t = *tree_;
    t.Fifo("pipe");
    t.Symlink(t.Path("pipe"), "Kavdrift.ini");
    test::RecordedMessages messages;
    {
      TFrmMain frm(Setup());
      QVERIFY(frm.close());
    }
    const std::string path = t.Path("Kavdrift.ini");
    QCOMPARE(messages.shown,
             QStringList(Q("The settings could not be saved.\nCannot write \"" + path +
                           "\": it is a link to \"" + std::filesystem::canonical(path).string() +
                           "\", a named pipe, not a regular file; nothing was written")));
    QVERIFY(std::filesystem::is_symlink(path));
    QVERIFY(std::filesystem::is_fifo(t.Path("pipe")));
  }

  void dropsGoToNewOrOldByPosition() {
    TFrmMain frm(Setup());
    const int oldTop = test::Named<DirComboBox>(frm, "MnCbOldDirNm")->mapTo(&frm, QPoint(0, 0)).y();
    SendDrop(frm, {"/Drop/One"}, oldTop - 1);
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), QString("/Drop/One"));
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbOldDirNm")), QString(""));
    SendDrop(frm, {"/Drop/Two"}, 400);
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), QString("/Drop/One"));
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbOldDirNm")), QString("/Drop/Two"));
    SendDrop(frm, {"/n", "/o", "/third"}, 5);
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbNewDirNm")), QString("/n"));
    QCOMPARE(Text(test::Named<DirComboBox>(frm, "MnCbOldDirNm")), QString("/o"));
    SendDrop(frm, QList<QUrl>{QUrl("file:///x/Bad%FF%FEName"), QUrl("file:///caf%C3%A9/a%20b")}, 5);
    QCOMPARE(ComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm")),
             std::string("/x/Bad\xff\xfeName"));
    QCOMPARE(ComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm")),
             std::string("/caf\xc3\xa9/a b"));
  }

  void typingBuildsTheHistory() {
    test::TempTree& t = *tree_;
    t.Dir("work/sub");
    TFrmMain frm(Setup());
    frm.show();
    DirComboBox* combo = test::Named<DirComboBox>(frm, "MnCbNewDirNm");
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), Q(t.Path("work")));
    QCOMPARE(ComboItems(combo).front(), t.Path("work"));
    QTest::keyClicks(combo->lineEdit(), "/sub");
    StringList items = ComboItems(combo);
    QCOMPARE(items[0], t.Path("work/sub"));  // the later first; every existing step is kept
    auto work = std::find(items.begin(), items.end(), t.Path("work"));
    QVERIFY(work != items.end());
    QCOMPARE(Text(combo), Q(t.Path("work/sub")));  // typing is never disturbed
    QCOMPARE(combo->lineEdit()->cursorPosition(), combo->lineEdit()->text().size());
    QTest::keyClicks(combo->lineEdit(), "zz");
    QCOMPARE(ComboItems(combo), items);  // a path that does not exist is never added

    const int workAt =
        static_cast<int>(std::find(items.begin(), items.end(), t.Path("work")) - items.begin());
    QVERIFY(workAt > 0);
    combo->setCurrentIndex(workAt);  // an entry further down moves to the top
    items = ComboItems(combo);
    QCOMPARE(items.front(), t.Path("work"));
    QCOMPARE(std::count(items.begin(), items.end(), t.Path("work")), 1);
  }

  void turningHintsOffStopsThem() {
    // A control of the window that counts the hint requests reaching it.
    struct HintCounter : QWidget {
      using QWidget::QWidget;
      int hints = 0;
      bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) ++hints;
        return QWidget::event(event);
      }
    };
    TFrmMain frm(Setup());
    auto* control = new HintCounter(test::Named<QPushButton>(frm, "MnBtnStart")->parentWidget());
    auto ask = [control] {
      QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
      QApplication::sendEvent(control, &help);
      return control->hints;
    };
    QCOMPARE(ask(), 1);
    test::Named<QCheckBox>(frm, "MnCkTurnOffHint")->click();
    QVERIFY(!frm.HintsShown());
    QCOMPARE(ask(), 1);
    test::Named<QCheckBox>(frm, "MnCkTurnOffHint")->click();
    QVERIFY(frm.HintsShown());
    QCOMPARE(ask(), 2);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindow_qtest.moc"
