// The selection windows of types 3 and 4, driven through their controls from the main
// window's Start, as a person would: lists, filters, sorting, moves, messages, look-up, the
// kept selections, and the report compared with kavdrift-cli's for the same choice.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <sstream>

#include "UiTestSupport.h"
#include "cli/CliSelection.h"
#include "core/CompareTypes.h"
#include "run/Dispatcher.h"
#include "support/RecordingHost.h"
#include "support/TempTree.h"
#include "text/Format.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/TFrmDirLookUp2.h"
#include "ui/main/TFrmMain.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"
#include "ui/select/logic/SelectionMessages.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Named;
using kav::test::Q;

namespace {

using Showing = std::function<void(QDialog&)>;

// Plays one step for each time `window` shows modally; a step ends the showing through the
// window's buttons. Counts the showings.
class WhileShown : public QObject {
 public:
  WhileShown(QDialog* window, std::vector<Showing> steps)
      : window_(window), steps_(std::move(steps)) {
    window_->installEventFilter(this);
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }
  int shown = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) pending_ = true;
    return false;
  }

 private:
  void Poll() {
    if (!pending_ || QApplication::activeModalWidget() != window_) return;
    pending_ = false;
    const std::size_t step = static_cast<std::size_t>(shown++);
    if (step < steps_.size()) {
      steps_[step](*window_);
    } else {
      window_->reject();
    }
  }

  QDialog* window_;
  std::vector<Showing> steps_;
  bool pending_ = false;
  QTimer timer_;
};

QStringList Rows(const QDialog& window, const char* list) {
  QStringList rows;
  const QAbstractItemModel* model = Named<QListView>(window, list)->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    rows.append(model->index(row, 0).data().toString());
  }
  return rows;
}

void Highlight(const QDialog& window, const char* list, const QStringList& names) {
  QListView* view = Named<QListView>(window, list);
  view->clearSelection();
  for (const QString& name : names) {
    const QModelIndex index =
        view->model()
            ->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly)
            .value(0);
    QVERIFY2(index.isValid(), qPrintable(name));
    view->selectionModel()->select(index, QItemSelectionModel::Select);
  }
}

void Click(const QDialog& window, const char* button) {
  Named<QPushButton>(window, button)->click();
}

void SetFilter(const QDialog& window, const char* edit, const QString& text) {
  QLineEdit* filter = Named<QLineEdit>(window, edit);
  filter->setText(text);
  QTest::keyClick(filter, Qt::Key_Return);
}

QString Text(const QDialog& window, const char* control) {
  return Named<QLabel>(window, control)->text();
}

}  // namespace

class SelectWindowsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;
  std::unique_ptr<TFrmMain> frm_;

  void Open(int type, const std::string& newDir = "New", const std::string& oldDir = "old") {
    MainWindowSetup setup;
    setup.ExeDir = tree_->Root();
    setup.SettingsPath = tree_->Path("Kavdrift.ini");
    setup.StartStamp = "01/05/24 13:05";
    frm_ = std::make_unique<TFrmMain>(std::move(setup));
    frm_->show();
    SetComboText(Named<DirComboBox>(*frm_, "MnCbNewDirNm"), tree_->Path(newDir));
    SetComboText(Named<DirComboBox>(*frm_, "MnCbOldDirNm"), tree_->Path(oldDir));
    SetComboText(Named<QComboBox>(*frm_, "MnCbCompareType"),
                 std::string(CompareTypeItems[type - 1]));
    Named<QCheckBox>(*frm_, "MnCkViewResults")->setChecked(true);
  }
  TFrmLNm* LNm() { return frm_->Windows().LNm; }
  TFrmULNm* ULNm() { return frm_->Windows().ULNm; }
  void Start() { Named<QPushButton>(*frm_, "MnBtnStart")->click(); }

  // The report kavdrift-cli's --select / --pair gives for the same directories.
  StringList CliReport(int type, std::vector<std::string> selects, std::vector<std::string> pairs) {
    RunState state;
    test::RecordingHost host;
    LocaleFacts locale;
    RunContext ctx{state, host, RealFileSystem(), locale};
    state.StartStamp = frm_->State().StartStamp;
    state.Panel.MnCbNewDirNm = tree_->Path("New");
    state.Panel.MnCbOldDirNm = tree_->Path("old");
    state.Panel.MnCbCompareType = std::string(CompareTypeItems[type - 1]);
    state.Panel.MnCkViewResults = true;
    std::ostringstream errors;
    cli::CliSelection selection(ctx, std::move(selects), std::move(pairs), errors);
    host.onOpenSelection = [&](SelectionWindow window) { selection.Open(window); };
    RunCompare(ctx);
    return state.ReportLines;
  }

 private slots:
  void init() {
    QApplication::setQuitOnLastWindowClosed(false);
    tree_ = std::make_unique<test::TempTree>();
    for (const char* name : {"a.txt", "b.doc", "d", "Report.txt"}) {
      tree_->File(std::string("New/") + name, "same");
    }
    tree_->File("New/C.txt", "new text!");
    tree_->File("New/only_new", "1");
    for (const char* name : {"a.txt", "b.doc", "d", "report_old.txt"}) {
      tree_->File(std::string("old/") + name, "same");
    }
    tree_->File("old/c.txt", "old text");
    tree_->Dir("old/sub.txt");
    tree_->Fifo("old/pipe.txt");
    tree_->Fifo("New/pipe.txt");
    tree_->File("new2/a.txt", "same");
    tree_->File("old2/A.TXT", "same");
    tree_->Dir("empty");
    tree_->File("other/x.txt", "1");
  }
  void cleanup() {
    frm_.reset();
    tree_.reset();
  }

  void captionsAndHintsAreTheGivenTexts() {
    Open(3);
    QCOMPARE(LNm()->windowTitle(),
             QString("Kavdrift File Selection of Like Named File Pairs For Comparison"));
    QCOMPARE(ULNm()->windowTitle(),
             QString("Kavdrift File Selection of Unlike/Like Named Pairs for Comparison"));
    struct Row {
      const char* name;
      const char* caption;  // the "text" property; nullptr for a list
      const char* hint;
    } rows[] = {
        {"LNSelHighBtn", "Select &Highlighted", ""},
        {"LNUSelHighBtn", "&Unselect Highlighted ", ""},
        {"LNSelAllBtn", " Select &All Named ", ""},
        {"LNUndoBtn", "Unselect All S&elected", ""},
        {"LNStartBtn", "&Start  Compare ", "Start compare of Selected Paired Files"},
        {"DSLookUpBut", "&Dir LookUp ...", "Transfer to Directory Lookup Selection Panel"},
        {"LNCancelBtn", "     &Return", "Return to Main Tabbed Panel"},
        {"LNEdFilter", "*.*", "Filter for both New and Old Directory Files"},
        {"LNSortNm", "File Name", ""},
        {"LNSortExt", "Extension", ""},
        {"LNGrpSort", nullptr, "Sorts Paired files depending on radio button setting"},
        {"ULSelArrowBut", "Select New-Old &Pair", ""},
        {"ULUndoBtn", "&Undo Highlighted", "Remove the highlighted file pair"},
        {"ULStartBtn", "&Start  Compare ", "Start the compare of the \"Selected File Pairs\""},
        {"ULLookUpBut", "&Dir LookUp ...", "Transfer to the Dir Lookup Assist Panel"},
        {"ULReturnBtn", "     &Return", "Return to Main Tabbed Panel"},
        {"ULFListBoxN", nullptr, "New file names from New Dir "},
        {"ULFListBoxO", nullptr, "Old file names from Old Dir "},
        {"ULSelListBox", nullptr, "New/Old selected File pair to be compared"},
        {"ULNFileEd", "*.*", "Contains eligible new file name to be transfered"},
        {"ULOFileEd", "*.*", "Contains eligible old file name to be transfered"},
        {"ULEdFilterN", "*.*", ""},
        {"ULEdFilterO", "*.*", ""},
    };
    for (const Row& row : rows) {
      QObject* window = row.name[0] == 'U' ? static_cast<QObject*>(ULNm()) : LNm();
      auto* widget = window->findChild<QWidget*>(row.name);
      QVERIFY2(widget != nullptr, row.name);
      if (row.caption != nullptr)
        QCOMPARE(widget->property("text").toString(), QString(row.caption));
      QCOMPARE(widget->toolTip(), QString(row.hint));
    }
    QStringList labels;
    for (QObject* window : {static_cast<QObject*>(LNm()), static_cast<QObject*>(ULNm())}) {
      for (QLabel* label : window->findChildren<QLabel*>()) labels.append(label->text());
    }
    for (const char* caption :
         {"New Dir Name:", "Old  Dir Name:", "Like Named Paired Files:", "Selected Paired Files:",
          "# Of Paired Files", "# Of Selected Files",
          "Like File Filter:", "New Files:", "Old Files:", "Higlighted New File:",
          "Highlighted Old File:", "New File Filter:", "Old File Filter:", "Selected File Pair:",
          "Old  Dir  Name:", "# New Files:", "# Old Files:", "# Selected File Pairs:"}) {
      QVERIFY2(labels.contains(caption), caption);
    }
    QCOMPARE(Named<QGroupBox>(*LNm(), "LNGrpSort")->title(), QString("Sort Like Named Files By:"));
  }

  void noCommonNameOrAnEmptySideShowsTheMessageAndNoWindow() {
    test::RecordedMessages messages;
    Open(3, "new2", "other");
    WhileShown like(LNm(), {});
    Start();
    Open(4, "New", "empty");
    WhileShown unlike(ULNm(), {});
    Start();
    QCOMPARE(messages.shown,
             QStringList({MessageText(NoCommonNamedFiles), MessageText(NoOldFilesToCompare)}));
    QCOMPARE(like.shown + unlike.shown, 0);
  }

  void likeNamesFilterSortAndMoveWithTheirMessages() {
    test::RecordedMessages messages;
    Open(3);
    WhileShown shown(
        LNm(), {[&](QDialog& w) {
          QCOMPARE(Rows(w, "LNAvailLBx"), QStringList({"a.txt", "b.doc", "c.txt", "d"}));
          QCOMPARE(Text(w, "LNNumPFVal"), QString("(4)"));
          QCOMPARE(Text(w, "LNNCap"), Q(ToLower(tree_->Path("New"))));
          QVERIFY(!Named<QListView>(w, "LNNFileListBox")->isVisible());
          Named<QRadioButton>(w, "LNSortExt")->click();
          QCOMPARE(Rows(w, "LNAvailLBx"), QStringList({"d", "b.doc", "a.txt", "c.txt"}));
          Click(w, "LNUndoBtn");
          Click(w, "LNSelHighBtn");
          Click(w, "LNStartBtn");
          Highlight(w, "LNAvailLBx", {"b.doc", "c.txt"});
          Click(w, "LNSelHighBtn");
          QCOMPARE(Rows(w, "LNSelLBx"), QStringList({"b.doc", "c.txt"}));
          QCOMPARE(Text(w, "LNNumSelVal"), QString("(2)"));
          SetFilter(w, "LNEdFilter", "*.TXT");
          QCOMPARE(Rows(w, "LNAvailLBx"), QStringList({"a.txt"}));
          QCOMPARE(Rows(w, "LNSelLBx"), QStringList({"c.txt"}));
          SetFilter(w, "LNEdFilter", "");
          QCOMPARE(Named<QLineEdit>(w, "LNEdFilter")->text(), QString("*.*"));
          QCOMPARE(Rows(w, "LNAvailLBx"), QStringList({"d", "b.doc", "a.txt"}));
          Click(w, "LNCancelBtn");
        }});
    Start();
    QCOMPARE(shown.shown, 1);
    QCOMPARE(messages.shown,
             QStringList({MessageText(NothingToUndo), MessageText(NoFilenameHighlighted),
                          MessageText(NoLikeNamesSelected)}));
    QVERIFY(frm_->State().ReportLines.empty());
  }

  void likeNamesStartGivesKavdriftClisReport() {
    test::RecordedMessages messages;
    Open(3);
    WhileShown shown(LNm(), {[&](QDialog& w) {
                       Highlight(w, "LNAvailLBx", {"c.txt", "a.txt"});
                       Click(w, "LNSelHighBtn");
                       Click(w, "LNStartBtn");
                     }});
    Start();
    const StringList& lines = frm_->State().ReportLines;
    QVERIFY(lines.size() > 4);
    QCOMPARE(lines.back(),
             std::string("INFORM01: The processed files have differences            ."));
    QCOMPARE(lines, CliReport(3, {"a.txt", "c.txt"}, {}));
    QVERIFY(Named<QPushButton>(*frm_, "MnBtnRshow")->isEnabled());  // as after type 1
    QVERIFY(messages.shown.isEmpty());
  }

  void keptLikeSelectionDropsVanishedNamesAndRoundTrips() {
    QFile ini(Q(tree_->Path("Kavdrift.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Kavdrift]\nSvLList=c.txt;gone.txt;\n");
    ini.close();
    Open(3);
    WhileShown first(LNm(), {[&](QDialog& w) {
                       QCOMPARE(Rows(w, "LNSelLBx"), QStringList({"c.txt"}));
                       QCOMPARE(Rows(w, "LNAvailLBx"), QStringList({"a.txt", "b.doc", "d"}));
                       Highlight(w, "LNAvailLBx", {"d"});
                       Click(w, "LNSelHighBtn");
                       Click(w, "LNCancelBtn");
                     }});
    Start();
    frm_->close();
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(ini.readAll()).contains("\nSvLList=c.txt;d;\n"));
    ini.close();
    Open(3);
    WhileShown again(LNm(), {[&](QDialog& w) {
                       QCOMPARE(Rows(w, "LNSelLBx"), QStringList({"c.txt", "d"}));
                       Click(w, "LNCancelBtn");
                     }});
    Start();
    QCOMPARE(again.shown, 1);
  }

  void unlikePairsAreBuiltKeptInOrderAndComparedAsKavdriftCli() {
    test::RecordedMessages messages;
    Open(4);
    const QString pair = "report.txt : report_old.txt";
    WhileShown shown(ULNm(), {[&](QDialog& w) {
                       QCOMPARE(Rows(w, "ULFListBoxO"),
                                QStringList({"a.txt", "b.doc", "c.txt", "d", "report_old.txt"}));
                       QCOMPARE(Text(w, "ULNNumFVal"), QString("(6)"));
                       Click(w, "ULStartBtn");
                       Highlight(w, "ULFListBoxN", {"report.txt"});
                       QCOMPARE(Named<QLineEdit>(w, "ULOFileEd")->text(), QString("*.*"));
                       Click(w, "ULSelArrowBut");
                       Highlight(w, "ULFListBoxO", {"report_old.txt"});
                       QCOMPARE(Named<QLineEdit>(w, "ULNFileEd")->text(), QString("report.txt"));
                       Click(w, "ULSelArrowBut");
                       Click(w, "ULSelArrowBut");
                       Click(w, "ULUndoBtn");
                       QCOMPARE(Rows(w, "ULSelListBox"), QStringList({pair, pair}));
                       QCOMPARE(Text(w, "ULNNumSelVal"), QString("(2)"));
                       Click(w, "ULStartBtn");
                     }});
    Start();
    QCOMPARE(messages.shown,
             QStringList({MessageText(NoPairsSelected), MessageText(FilesNotIndividuallySelected),
                          MessageText(NoPairsHighlighted)}));
    const StringList& lines = frm_->State().ReportLines;
    QCOMPARE(lines, CliReport(4, {}, {FromQt(pair), FromQt(pair)}));
    QCOMPARE(static_cast<int>(std::count(lines.begin(), lines.end(),
                                         std::string("  report.txt  :  report_old.txt"))),
             2);
  }

  void lookUpToOtherDirectoriesDropsWhatIsNotThere() {
    test::RecordedMessages messages;
    Open(4);
    frm_->State().UnlikeSelectionText = "a.txt : a.txt;report.txt : report_old.txt;";
    DirLookUpRequest asked;
    ULNm()->SetDirLookUp([&](QWidget*, const DirLookUpRequest& request) {
      asked = request;
      return DirLookUpResult{true, Q(tree_->Path("new2")), Q(tree_->Path("old2"))};
    });
    WhileShown shown(ULNm(), {[&](QDialog& w) {
                                QCOMPARE(Rows(w, "ULSelListBox").size(), 2);
                                Click(w, "ULLookUpBut");
                              },
                              [&](QDialog& w) {
                                QCOMPARE(Rows(w, "ULSelListBox"), QStringList({"a.txt : a.txt"}));
                                QCOMPARE(Text(w, "ULNPVal"), Q(ToLower(tree_->Path("new2"))));
                                Click(w, "ULReturnBtn");
                              }});
    Start();
    QCOMPARE(shown.shown, 2);
    QCOMPARE(asked.NewDir, Q(tree_->Path("New")));  // the case kept for opening
    QCOMPARE(asked.ListDir, asked.NewDir);
    QCOMPARE(Named<QComboBox>(*frm_, "MnCbOldDirNm")->currentText(), Q(tree_->Path("old2")));

    // The type 3 window with the program's own look-up dialog.
    Open(3);
    auto* dialog = frm_->findChild<TFrmDirLookUp2*>();
    WhileShown lookUp(dialog, {[&](QDialog& d) {
                        QCOMPARE(Named<QLineEdit>(d, "DSInDirN")->text(), Q(tree_->Path("New")));
                        Named<QLineEdit>(d, "DSInDirN")->setText(Q(tree_->Path("new2")));
                        Named<QLineEdit>(d, "DSInDirO")->setText(Q(tree_->Path("old2")));
                        Click(d, "DSReturnBut");
                      }});
    WhileShown like(LNm(), {[&](QDialog& w) {
                              Click(w, "LNSelAllBtn");
                              Click(w, "DSLookUpBut");
                            },
                            [&](QDialog& w) {
                              QCOMPARE(Rows(w, "LNSelLBx"), QStringList({"a.txt"}));
                              QCOMPARE(Rows(w, "LNAvailLBx"), QStringList());
                              Click(w, "LNStartBtn");
                            }});
    Start();
    QCOMPARE(like.shown, 2);
    QCOMPARE(lookUp.shown, 1);
    QCOMPARE(frm_->State().ReportLines.back(),
             std::string("INFORM01: The processed files compare as equivalent files. "));
    QVERIFY(messages.shown.isEmpty());
  }
};

QTEST_MAIN(SelectWindowsTest)
#include "SelectWindows_qtest.moc"
