// The Directory Select page: entering, carrying the selected directory by button, by drop and
// by its own combos, Return with its question, Cancel, closing, and its settings.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

#include "UiTestSupport.h"
#include "platform/IniFile.h"
#include "support/TempTree.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/DirSelectPage.h"
#include "ui/main/TFrmMain.h"
#include "ui/main/logic/MainPanelRules.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

class DirSelectPageTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;

  MainWindowSetup Setup() {
    MainWindowSetup setup;
    setup.ExeDir = tree_->Path("Prog");
    setup.SettingsPath = tree_->Path("Kavdrift.ini");
    return setup;
  }

  std::string P(const char* relative) { return tree_->Path(relative); }

  // Enters the page with these main directory texts.
  static void Enter(TFrmMain& frm, const std::string& newDir, const std::string& oldDir) {
    SetComboText(test::Named<DirComboBox>(frm, "MnCbNewDirNm"), newDir);
    SetComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm"), oldDir);
    frm.SelectPage(PageDirectorySelect);
  }

  static std::string Main(TFrmMain& frm, const char* combo) {
    return ComboText(test::Named<DirComboBox>(frm, combo));
  }

  static QString ListDirectory(TFrmMain& frm) {
    auto* list = test::Named<QTreeView>(frm, "DsDirectoryListBox1");
    return list->currentIndex().data(Qt::UserRole + 1).toString();  // FilePathRole
  }

  // Drops `mime` on a control of the page; false when nothing takes it.
  static bool Drop(TFrmMain& frm, const char* target, QMimeData& mime) {
    QWidget* widget = test::Named<QWidget>(frm, target);
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return true;
  }

 private slots:
  void init() {
    tree_ = std::make_unique<test::TempTree>();
    for (const char* dir : {"Prog", "Work/New", "Work/Old", "Other", "Third"}) tree_->Dir(dir);
  }
  void cleanup() { tree_.reset(); }

  void controlsCarryTheirCaptionsAndHints() {
    TFrmMain frm(Setup());
    struct Row {
      const char* name;
      const char* caption;
      const char* hint;
    } rows[] = {
        {"DsDrLbl", "Drive:", ""},
        {"DsLblDirNmList", "Directory Name List:", ""},
        {"DsLblDirNmSel", "Selected Directory:", ""},
        {"DsButUseAsNewDir", "To Main &New Dir", "Sets New Dir Name for Dir Compare"},
        {"DsButUOldDir", " To Main &Old Dir", "Sets Old Dir Name for Dir Compare"},
        {"DsButReturn", "    &Return", "Return to Main Panel"},
        {"DsButCancel", "    &Cancel",
         "Restore entry values to Input Directories and return to Main Panel"},
        {"DsCkNoWarnNoDirChg", "No Warn on return with Input DirectoryName Not Changed",
         "No Warning on return with No Input Filename Change."},
        {"DsLblInDirN", "New Dir:", ""},
        {"DsLblInDirO", "Old  Dir:", ""},
        {"DsLblNoteDrop",
         "(Dropping onto or changing New/Old Dir Name updates the Main Panel DirName)", ""},
        {"DsLblNoteDrag", "(Drag to New/Old Dir or Button to Change Main)", ""},
        {"DsLblNoteClick",
         "Click on the entry in Dir Name List to replace the  \"Selected Directory\" Name", ""},
        {"DsDriveComboBox1", nullptr, "Sets Drive Id for all dir and file names"},
        {"DsDirectoryListBox1", nullptr, "Holds Selection File Name for transfer"},
        {"DsLblSelDirNm", nullptr, "Holds Selection Directory Name for transfer"},
        {"DsInDirN", nullptr, "Receives New Directory and/or File Name for Compare"},
        {"DsInDirO", nullptr, "Receives Old Directory and/or File Name for Compare"},
    };
    for (const Row& row : rows) {
      QWidget* control = test::Named<QWidget>(frm, row.name);
      if (row.caption) QCOMPARE(control->property("text").toString(), QString(row.caption));
      QCOMPARE(control->toolTip(), QString(row.hint));
    }
    QCOMPARE(test::Named<QGroupBox>(frm, "DsGroupBox1")->title(), QString("  Selected or Dropped"));
  }

  // New first, then Old, else the program's folder; the list shows the directory as it is on
  // disk, the caption lower-cased, the page's combos the main texts as they are.
  void enteringShowsNewOldOrTheProgramsFolder() {
    struct Case {
      const char* newDir;
      const char* oldDir;
      const char* shown;
    } cases[] = {
        {"Work/New", "Work/Old", "Work/New"},
        {"Work/Missing", "Work/Old", "Work/Old"},
        {"Work/Missing", "", "Prog"},
    };
    for (const Case& c : cases) {
      TFrmMain frm(Setup());
      frm.show();
      Enter(frm, P(c.newDir), c.oldDir[0] != '\0' ? P(c.oldDir) : "");
      QCOMPARE(frm.State().DirSelectEntryNew, P(c.newDir));
      QCOMPARE(ListDirectory(frm), Q(P(c.shown)));
      const std::string selected = std::string(c.shown) == "Prog" ? P("Prog") + "/" : P(c.shown);
      QCOMPARE(test::Named<QLabel>(frm, "DsLblSelDirNm")->text(), Q(selected).toLower());
      QCOMPARE(Main(frm, "DsInDirN"), P(c.newDir));
    }
  }

  void returnAsksAboutWhatThePageLeftUnchanged() {
    struct Case {
      const char* typedNew;  // typed into DsInDirN, or nullptr
      const char* typedOld;
      const char* subject;  // nullptr: nothing is asked
    } cases[] = {
        {nullptr, nullptr, "New and Old Dir Names - \"{N}\" and \"{O}\" have"},
        {"Other", nullptr, "The Old Dir Name \"{O}\" has"},
        {nullptr, "Other", "The New Dir Name \"{N}\" has"},
        {"Other", "Third", nullptr},
    };
    for (const Case& c : cases) {
      for (bool answer : {false, true}) {
        test::RecordedMessages messages;
        messages.answer = answer;
        TFrmMain frm(Setup());
        Enter(frm, P("Work/New"), P("Work/Old"));
        if (c.typedNew) test::Named<DirComboBox>(frm, "DsInDirN")->setEditText(Q(P(c.typedNew)));
        if (c.typedOld) test::Named<DirComboBox>(frm, "DsInDirO")->setEditText(Q(P(c.typedOld)));
        if (c.typedNew) QCOMPARE(Main(frm, "MnCbNewDirNm"), P(c.typedNew));
        test::Named<QPushButton>(frm, "DsButReturn")->click();
        if (c.subject == nullptr) {
          QVERIFY(messages.asked.isEmpty());
          QCOMPARE(frm.CurrentPage(), 0);
          continue;
        }
        QString subject =
            QString(c.subject).replace("{N}", Q(P("Work/New"))).replace("{O}", Q(P("Work/Old")));
        QCOMPARE(messages.asked, QStringList("The Main Panel Input " + subject +
                                             " not been changed by this panel.  Exit anyway?"));
        QCOMPARE(frm.CurrentPage(), answer ? 0 : 1);
      }
    }
  }

  void noWarnCheckBoxReturnsWithoutAsking() {
    test::RecordedMessages messages;
    TFrmMain frm(Setup());
    Enter(frm, P("Work/New"), P("Work/Old"));
    test::Named<QCheckBox>(frm, "DsCkNoWarnNoDirChg")->setChecked(true);
    test::Named<QPushButton>(frm, "DsButReturn")->click();
    QVERIFY(messages.asked.isEmpty());
    QCOMPARE(frm.CurrentPage(), 0);
  }

  // Buttons and drops carry the selected directory; only a drag from the directory list is
  // taken; Cancel puts back what the page found.
  void cancelRestoresAfterButtonsAndDrops() {
    TFrmMain frm(Setup());
    Enter(frm, P("Work/New"), P("Work/Old"));
    QMimeData shell;  // a folder from the file manager goes to the window, not to the page
    shell.setUrls({QUrl::fromLocalFile(Q(P("Third")))});
    Drop(frm, "DsButUOldDir", shell);
    QCOMPARE(Main(frm, "DsInDirO"), P("Work/Old"));
    QCOMPARE(frm.findChild<DirSelectPage*>()->SelectedDirectory(), P("Work/New"));
    test::Named<DirComboBox>(frm, "DsInDirO")->setEditText(Q(P("Other")));  // selects Other
    QCOMPARE(frm.findChild<DirSelectPage*>()->SelectedDirectory(), P("Other"));
    test::Named<QPushButton>(frm, "DsButUseAsNewDir")->click();
    QCOMPARE(Main(frm, "MnCbNewDirNm"), P("Other"));
    QCOMPARE(Main(frm, "DsInDirN"), P("Other"));

    QMimeData fromList;
    fromList.setData(DirListDragMime, QByteArray());
    test::Named<DirComboBox>(frm, "DsInDirN")->setEditText(Q(P("Third")));  // selects Third
    SetComboText(test::Named<DirComboBox>(frm, "MnCbOldDirNm"), P("Work"));
    QVERIFY(Drop(frm, "DsButUOldDir", fromList));
    QCOMPARE(Main(frm, "MnCbOldDirNm"), P("Third"));
    QCOMPARE(Main(frm, "DsInDirO"), P("Third"));
    QCOMPARE(ComboItems(test::Named<DirComboBox>(frm, "DsInDirO")),
             (StringList{P("Third"), P("Other")}));
    const StringList mainOld = ComboItems(test::Named<DirComboBox>(frm, "MnCbOldDirNm"));
    QCOMPARE(StringList(mainOld.begin(), mainOld.begin() + 2), (StringList{P("Third"), P("Work")}));

    test::Named<QPushButton>(frm, "DsButCancel")->click();
    QCOMPARE(frm.CurrentPage(), 0);
    QCOMPARE(Main(frm, "MnCbNewDirNm"), P("Work/New"));
    QCOMPARE(Main(frm, "MnCbOldDirNm"), P("Work/Old"));
  }

  void closingWhileThePageShowsIsReturn() {
    test::RecordedMessages messages;
    TFrmMain frm(Setup());
    frm.show();
    Enter(frm, P("Work/New"), P("Work/Old"));
    messages.answer = false;
    QVERIFY(!frm.close());
    QCOMPARE(messages.asked.size(), 1);
    QCOMPARE(frm.CurrentPage(), 1);
    messages.answer = true;
    QVERIFY(!frm.close());
    QCOMPARE(frm.CurrentPage(), 0);
    QVERIFY(frm.isVisible());
  }

  void keysThatTypeNothingActAsHome() {
    TFrmMain frm(Setup());
    Enter(frm, P("Work/New"), "");
    QLineEdit* edit = test::Named<DirComboBox>(frm, "DsInDirN")->lineEdit();
    edit->setCursorPosition(3);
    QTest::keyClick(edit, Qt::Key_End);
    QCOMPARE(edit->cursorPosition(), 0);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), Q(P("Work/New")));
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(edit->text(), "x" + Q(P("Work/New")));
  }

  // The page's histories come from the settings file sorted and go back whole.
  void historiesAndTheWarningBoxAreKept() {
    tree_->File("Kavdrift.ini", "[Kavdrift]\nNFDsCombo0=" + P("Work/Old") +
                                    "\nNFDsCombo1=" + P("Other") + "\nNFDsCombo2=" + P("Gone") +
                                    "\nOFDsCombo0=" + P("Third") + "\nNoWarnDirC=1\n");
    {
      TFrmMain frm(Setup());
      QCOMPARE(ComboItems(test::Named<DirComboBox>(frm, "DsInDirN")),
               (StringList{P("Other"), P("Work/Old")}));
      QVERIFY(test::Named<QCheckBox>(frm, "DsCkNoWarnNoDirChg")->isChecked());
      Enter(frm, P("Work/New"), "");
      test::Named<QPushButton>(frm, "DsButReturn")->click();  // no question: no hook needed
      QVERIFY(frm.close());
    }
    std::vector<std::string> lines;
    ReadIniSection(tree_->Path("Kavdrift.ini"), "Kavdrift", lines);
    auto has = [&](const std::string& line) {
      return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    QVERIFY(has("NFDsCombo0=" + P("Other")));
    QVERIFY(has("NFDsCombo1=" + P("Work/Old")));
    QVERIFY(has("OFDsCombo0=" + P("Third")));
    QVERIFY(has("NoWarnDirC=1"));
  }
};

QTEST_MAIN(DirSelectPageTest)
#include "DirSelectPage_qtest.moc"
