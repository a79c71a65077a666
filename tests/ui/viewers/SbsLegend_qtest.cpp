// The side-by-side save dialog and the change flagging legend window.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "TreeViewerSupport.h"
#include "UiTestSupport.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmSbS.h"

using namespace kav;
using namespace kav::ui;

namespace {

const QString kInvalid = QStringLiteral(
    "Side-by-side entered value is invalid. It is reset to original value. Reenter or cancel.");
const QString kTooLarge = QStringLiteral(
    "Side-by-side entered value is larger than required. It is reset to original value. "
    "Reenter or cancel.");

QLabel* LabelWithText(const QWidget& window, const QString& text) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text() == text) return label;
  }
  return nullptr;
}

}  // namespace

class SbsLegendTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QApplication::setQuitOnLastWindowClosed(false); }

  void dialogShowsItsDesignedControls() {
    TFrmSbS dialog(nullptr);
    QCOMPARE(dialog.windowTitle(), QString("Kavdrift Side-by-Side Save File Preference"));
    QCOMPARE(test::Named<QRadioButton>(dialog, "SbsRdSingle")->text(),
             QString("Save as Single Two Part Stacked Report"));
    QCOMPARE(test::Named<QRadioButton>(dialog, "SbsRdDouble")->text(),
             QString("Save as Single Side-by-Side Report"));
    QVERIFY(test::Named<QRadioButton>(dialog, "SbsRdSingle")->isChecked());
    QCOMPARE(test::Named<QCheckBox>(dialog, "SbsCkAppend")->text(),
             QString("  Append to End Instead of Replace Output File"));
    QVERIFY(!test::Named<QCheckBox>(dialog, "SbsCkAppend")->isEnabled());
    QCOMPARE(test::Named<QCheckBox>(dialog, "SbsCkTitle")->text(), QString("Title : Optional"));
    QCOMPARE(test::Named<QPushButton>(dialog, "SbsButUse")->text(), QString("&Use"));
    QCOMPARE(test::Named<QPushButton>(dialog, "SbsButCancel")->text(), QString("&Cancel"));
    for (const char* caption : {"Use Size for Each Data Side =", "Combined Data Line Size       =",
                                "Output Data Line Size          =", "Output Line Size ="}) {
      QVERIFY2(LabelWithText(dialog, caption) != nullptr, caption);
    }
  }

  void sideWidthShowsTheCombinedSizeAndResetsWhatIsNotAWidth() {
    test::RecordedMessages messages;
    TFrmSbS dialog(nullptr);
    dialog.Prepare(70, false, true);
    QCOMPARE(test::Named<QLineEdit>(dialog, "SbsEdSide")->text(), QString("70"));
    QCOMPARE(test::Named<QLabel>(dialog, "SbsLblStkSz")->text(), QString("70"));
    QCOMPARE(test::Named<QLabel>(dialog, "SbsLblCmbSz")->text(), QString("142"));
    QVERIFY(test::Named<QRadioButton>(dialog, "SbsRdDouble")->isChecked());
    QVERIFY(test::Named<QCheckBox>(dialog, "SbsCkAppend")->isEnabled());
    QVERIFY(messages.shown.isEmpty());
    test::Named<QLineEdit>(dialog, "SbsEdSide")->setText("40");
    QCOMPARE(test::Named<QLabel>(dialog, "SbsLblCmbSz")->text(), QString("82"));
    test::Named<QLineEdit>(dialog, "SbsEdSide")->clear();
    QCOMPARE(messages.shown, QStringList{kInvalid});
    QCOMPARE(test::Named<QLineEdit>(dialog, "SbsEdSide")->text(), QString("70"));
    QCOMPARE(test::Named<QLabel>(dialog, "SbsLblCmbSz")->text(), QString("142"));
    QTest::keyClicks(test::Named<QLineEdit>(dialog, "SbsEdSide"), "x");
    QCOMPARE(messages.shown.size(), 2);
    QCOMPARE(test::Named<QLineEdit>(dialog, "SbsEdSide")->text(), QString("70"));
  }

  void useRefusesATooWideSideForTheSideBySideLayoutOnly() {
    test::RecordedMessages messages;
    TFrmSbS dialog(nullptr);
    dialog.Prepare(70, false, false);
    dialog.show();
    test::Named<QLineEdit>(dialog, "SbsEdSide")->setText("71");
    test::Named<QPushButton>(dialog, "SbsButUse")->click();
    QCOMPARE(messages.shown, QStringList{kTooLarge});
    QVERIFY(dialog.isVisible());
    QCOMPARE(test::Named<QLineEdit>(dialog, "SbsEdSide")->text(), QString("70"));
    test::Named<QPushButton>(dialog, "SbsButUse")->click();  // equal to the widest row: accepted
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Choice().SideWidth, 70);

    dialog.Prepare(70, true, false);
    dialog.show();
    test::Named<QLineEdit>(dialog, "SbsEdSide")->setText("500");
    test::Named<QPushButton>(dialog, "SbsButUse")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(messages.shown.size(), 1);
  }

  void askKeepsTheLayoutAndReturnsTheChoice() {
    RunState state;
    state.MaxRowWidth = 60;
    state.SaveStacked = true;
    QWidget owner;
    TFrmSbS* window = new TFrmSbS(&owner);
    auto watcher = std::make_unique<test::ModalWatcher<TFrmSbS>>([](TFrmSbS* dialog) {
      QVERIFY(test::Named<QRadioButton>(*dialog, "SbsRdSingle")->isChecked());
      QVERIFY(test::Named<QCheckBox>(*dialog, "SbsCkAppend")->isEnabled());
      test::Named<QRadioButton>(*dialog, "SbsRdDouble")->setChecked(true);
      test::Named<QLineEdit>(*dialog, "SbsEdSide")->setText("45");
      test::Named<QCheckBox>(*dialog, "SbsCkTitle")->setChecked(true);
      test::Named<QLineEdit>(*dialog, "SbsEdTitle")->setText("Weekly");
      test::Named<QCheckBox>(*dialog, "SbsCkAppend")->setChecked(true);
      test::Named<QPushButton>(*dialog, "SbsButUse")->click();
    });
    std::optional<SbsChoice> choice = AskSideBySideSave(*window, state, true);
    QVERIFY(choice.has_value());
    QCOMPARE(int(choice->Layout), int(SbsLayout::SideBySide));
    QCOMPARE(choice->SideWidth, 45);
    QVERIFY(choice->TitleChecked);
    QCOMPARE(choice->Title, std::string("Weekly"));
    QVERIFY(choice->Append);
    QVERIFY(!state.SaveStacked);

    test::ModalWatcher<TFrmSbS> cancel([](TFrmSbS* dialog) {
      QVERIFY(
          !test::Named<QCheckBox>(*dialog, "SbsCkAppend")->isEnabled());  // the file does not exist
      test::Named<QPushButton>(*dialog, "SbsButCancel")->click();
    });
    watcher.reset();  // one window, one watcher
    QVERIFY(!AskSideBySideSave(*window, state, false).has_value());
    QVERIFY(!state.SaveStacked);
  }

  void legendShowsItsTextsInBoldWithUnderlinedHeadings() {
    QWidget viewer;
    new TFrmChgFlag(&viewer);
    viewer.show();
    ShowChangeFlagLegend(&viewer);
    TFrmChgFlag* legend = ChangeFlagLegendWindow();
    QVERIFY(legend != nullptr);
    QVERIFY(legend->isVisible());
    QVERIFY(!legend->isModal());
    QCOMPARE(legend->windowTitle(), QString("Kavdrift Change Flagging Legend"));
    QCOMPARE(test::Named<QPushButton>(*legend, "ButClose")->text(), QString("&Return"));
    struct Expected {
      const char* text;
      QColor colour;
      bool underline;
    } expected[] = {
        {"Combined Directory-Nodes Section :", Qt::black, true},
        {"Directory File-Nodes Section (when files displayed):", Qt::black, true},
        {"Combined Directory and File Report Section ", Qt::black, true},
        {"Single and Side-by-Side Panel Reports:", Qt::black, true},
        {": Matching new and old dir names.  Included files have no changes.", Qt::black, false},
        {": Inserted new directory at new directory sequence level ", QColor(0, 0, 255), false},
        {": Deleted old directory at new directory sequence level ", QColor(255, 0, 0), false},
        {": Matching files at directory  level due to binary inspect or \"Aeqf\"  ", Qt::black,
         false},
        {"\" +\" ", QColor(0, 0, 255), false},
        {"Same notations as above but listed in columns with surrounding \"( )\".", Qt::black,
         false},
        {": Changed size of matching New and Old file/dir. name at sub-level.  ", Qt::black, false},
        {"D -", QColor(255, 0, 0), false},
        {": Deleted Subdirectory in Old Directory Tree Structure.", QColor(0, 0, 255), false},
        {": Inserted Subdirectory in New Directory Tree Structure.", QColor(255, 0, 0), false},
    };
    for (const Expected& e : expected) {
      QLabel* label = LabelWithText(*legend, e.text);
      QVERIFY2(label != nullptr, e.text);
      QVERIFY(label->font().bold());
      QCOMPARE(label->font().underline(), e.underline);
      QCOMPARE(label->palette().color(QPalette::WindowText), e.colour);
    }
    // Shown again from another window it stays one window.
    QWidget other;
    other.show();
    ShowChangeFlagLegend(&other);
    QCOMPARE(ChangeFlagLegendWindow(), legend);
    QCOMPARE(legend->parentWidget(), &other);
    test::Named<QPushButton>(*legend, "ButClose")->click();
    QVERIFY(legend->isHidden());
    QVERIFY(other.isVisible());
  }
};

QTEST_MAIN(SbsLegendTest)
#include "SbsLegend_qtest.moc"
