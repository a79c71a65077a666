// The directory look-up dialog: its controls, browsing, the two Use As Dir buttons and what
// Return, Cancel and closing hand back.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "UiTestSupport.h"
#include "support/TempTree.h"
#include "ui/main/TFrmDirLookUp2.h"

using namespace kav;
using namespace kav::ui;
using kav::test::Q;

namespace {

QString ListPath(const QModelIndex& index) {
  return index.data(Qt::UserRole + 1).toString();  // QFileSystemModel::FilePathRole
}

}  // namespace

class DirLookUpTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TempTree> tree_;

 private slots:
  void init() {
    tree_ = std::make_unique<test::TempTree>();
    tree_->Dir("Work/Alpha");
    tree_->Dir("Work/Beta");
  }
  void cleanup() { tree_.reset(); }

  void controlsCarryTheirCaptionsAndHints() {
    TFrmDirLookUp2 dialog;
    QCOMPARE(dialog.windowTitle(), QString("Kavdrift  Directory Selection for File Compare"));
    QCOMPARE(dialog.toolTip(), QString("File List used only as Dir Reference"));
    struct Row {
      const char* name;
      const char* caption;
      const char* hint;
    } rows[] = {
        {"DSDrLbl", "Drive:", ""},
        {"DSLblUsedAs", "Used As Dir Name - New/Old:", ""},
        {"DSLblReturned", "Returned Directories:", ""},
        {"DSLblInDirN", "New Input Dir:", ""},
        {"DSLblInDirO", "Old  Input Dir:", ""},
        {"DSLblNote", "(Set Dir Names using \"Use As Dir\" Button)", ""},
        {"DSUNewDirBut", "&New Dir", "Sets New Dir Name for Dir Compare"},
        {"DSUOldDirBut", "&Old   Dir", "Sets Old Dir Name for Dir Compare"},
        {"DSReturnBut", "    &Return", "Return to Main Panel"},
        {"DSCancelBut", "    &Cancel",
         "Restore entry values to Input Directories and return to Main Panel"},
        {"DSDriveComboBox1", nullptr, "Kavdrift Drive Selection"},
        {"DSLblDirNm", nullptr, "Highlights Directory for both Dir and File Compare"},
        {"DSInDirN", nullptr, "New Directory  name returned to previous panel"},
        {"DSInDirO", nullptr, "Old Directory  name returned to previous panel"},
    };
    for (const Row& row : rows) {
      QWidget* control = test::Named<QWidget>(dialog, row.name);
      if (row.caption) QCOMPARE(control->property("text").toString(), QString(row.caption));
      QCOMPARE(control->toolTip(), QString(row.hint));
    }
    QCOMPARE(test::Named<QGroupBox>(dialog, "DSGroupBox1")->title(), QString("Use As Dir"));
    QCOMPARE(test::Named<QComboBox>(dialog, "DSDriveComboBox1")->itemText(0), QString("/"));
  }

  // A clicked directory becomes the one in use; the buttons carry it, case and all.
  void clickedDirectoryIsUsedAsNewOrOld() {
    TFrmDirLookUp2 dialog;
    dialog.show();
    dialog.Prepare({"/n", "/o", Q(tree_->Path("Work"))});
    auto* list = test::Named<QTreeView>(dialog, "DSDirectoryListBox1");
    QCOMPARE(ListPath(list->currentIndex()), Q(tree_->Path("Work")));
    QCOMPARE(test::Named<QLabel>(dialog, "DSLblDirNm")->text(), Q(tree_->Path("Work")));
    QTRY_COMPARE(list->model()->rowCount(list->currentIndex()), 2);
    const QModelIndex beta = list->model()->index(1, 0, list->currentIndex());
    list->scrollTo(beta);
    QTRY_COMPARE(list->indexAt(list->visualRect(beta).topLeft() + QPoint(2, 2)), beta);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(beta).topLeft() + QPoint(2, 2));
    QCOMPARE(test::Named<QLabel>(dialog, "DSLblDirNm")->text(), Q(tree_->Path("Work/Beta")));
    test::Named<QPushButton>(dialog, "DSUOldDirBut")->click();
    QCOMPARE(test::Named<QLineEdit>(dialog, "DSInDirO")->text(), Q(tree_->Path("Work/Beta")));
    QCOMPARE(test::Named<QLineEdit>(dialog, "DSInDirN")->text(), QString("/n"));
    test::Named<QPushButton>(dialog, "DSUNewDirBut")->click();
    test::Named<QPushButton>(dialog, "DSReturnBut")->click();
    const DirLookUpResult result = dialog.Result();
    QVERIFY(result.Returned);
    QCOMPARE(result.NewDir, Q(tree_->Path("Work/Beta")));
    QCOMPARE(result.OldDir, Q(tree_->Path("Work/Beta")));
    QVERIFY(dialog.isHidden());
  }

  // RunDirLookUp shows the dialog modally; Cancel and the window's own close give Returned
  // false, Return the edited texts. An empty list directory shows the program's folder.
  void runReturnsWhatTheDialogEndedWith() {
    struct Case {
      const char* button;  // nullptr: the window is closed
      bool returned;
    } cases[] = {{"DSReturnBut", true}, {"DSCancelBut", false}, {nullptr, false}};
    for (const Case& c : cases) {
      QString shown;
      QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog != nullptr);
        shown = test::Named<QLabel>(*dialog, "DSLblDirNm")->text();
        test::Named<QLineEdit>(*dialog, "DSInDirO")->setText("/typed");
        if (c.button != nullptr) {
          test::Named<QPushButton>(*dialog, c.button)->click();
        } else {
          dialog->close();
        }
      });
      const DirLookUpResult result = RunDirLookUp(nullptr, {"/new", "/old", {}});
      QCOMPARE(result.Returned, c.returned);
      QCOMPARE(result.NewDir, QString("/new"));
      QCOMPARE(result.OldDir, QString("/typed"));
      QCOMPARE(shown, QCoreApplication::applicationDirPath());
    }
  }
};

QTEST_MAIN(DirLookUpTest)
#include "DirLookUp_qtest.moc"
