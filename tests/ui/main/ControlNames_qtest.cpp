// Every control carries its given name, once in its window, so that tests and tools reach it
// by name (findChild) whatever the window keeps for itself.
#include <QApplication>
#include <QTabWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "support/TempTree.h"
#include "ui/main/TFrmDirLookUp2.h"
#include "ui/main/TFrmMain.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmGraph.h"
#include "ui/viewers/TFrmPrntLmt.h"
#include "ui/viewers/TFrmSbS.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/TFrmVSplit.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/ViewerWindows.h"

namespace kav::ui {
namespace {

// Fails the test for each name in `names` (separated by blanks) that does not name exactly
// one widget under `window`.
void ExpectNamedOnce(const QObject& window, const char* names) {
  for (const QString& name : QString::fromLatin1(names).split(' ', Qt::SkipEmptyParts)) {
    const qsizetype count = window.findChildren<QWidget*>(name).size();
    QVERIFY2(count == 1, qPrintable(window.objectName() + ": " + name));
  }
}

}  // namespace

class ControlNamesTest : public QObject {
  Q_OBJECT
 private slots:
  void everyControlCarriesItsName() {
    test::TempTree tree;
    MainWindowSetup setup;
    setup.ExeDir = tree.Root();
    setup.SettingsPath = tree.Path("Kavdrift.ini");
    TFrmMain frm(std::move(setup));
    ExpectNamedOnce(
        *test::Named<QTabWidget>(frm, "AATabbedNotebook1"),
        "MnLblNF MnCbNewDirNm MnLblOF MnCbOldDirNm MnLblCompType MnCbCompareType MnBtnStart "
        "MnButStop MnButExit MnButBrowse MnBtnRshow MnCkViewResults MnCkTurnOffHint MnLblPref "
        "MnlblOptsUsed MnLblDir mnMemDirect MnStatus MnCurrStatus MnProgressBar MnTitleProgBar "
        "MnTitlePosPCent MnImage1 MnImage2 MnVerNum PrTitPr PrPanPreferences PrButReturn "
        "PrButCancel PrButReset DsButReturn DsButCancel DsDrLbl DsDriveComboBox1 DsLblDirNmList "
        "DsDirectoryListBox1 DsGroupBox1 DsLblDirNmSel DsLblSelDirNm DsButUseAsNewDir DsButUOldDir "
        "DsLblInDirN DsInDirN DsLblInDirO DsInDirO DsCkNoWarnNoDirChg DsLblNoteDrag DsLblNoteClick "
        "DsLblNoteDrop AbLblVersion AbButReturn OvMemo1 OvBitReturn PrCkVeqf "
        "PrCkChgO PrCkSpnm PrCkListDEO PrCkItdt PrCkOvsO PrCkLmcf PrCkGmsg PrCkLchv "
        "PrCkListStyle ");
    ExpectNamedOnce(*test::Named<TFrmDirLookUp2>(frm, "FrmDirLookUp2"),
                    "DSDrLbl DSDriveComboBox1 DSDirectoryListBox1 DSLblUsedAs DSLblDirNm "
                    "DSLblReturned DSLblInDirN DSInDirN DSLblInDirO DSInDirO DSLblNote DSGroupBox1 "
                    "DSUNewDirBut DSUOldDirBut DSReturnBut DSCancelBut ");
    const ViewerWindows& windows = frm.Windows();
    ExpectNamedOnce(
        *windows.VSingle,
        "VlbListBox1 FindDialog1 LsPanel2 LsPanel1 LsButReturn LsButTop LsButbottom LsButPrint "
        "LsButColorPrint LsButSaveAs LsButFind LsBitChngDown LsBitChngUp CbFontSize LsCbLBFontSz "
        "NFNameL NDirName OFNameL ODirName LsLblInsLabel LsLblDelLabel ");
    ExpectNamedOnce(
        *windows.VSplit,
        "VsListBox2 VsListbox3 LsSplitter1 FindDialog1 LsPanel1 LsPanel2 LsButReturn LsButTop "
        "LsButbottom LsButPrint LsButColorPrint LsButSaveAs LsButFind1 VsBtnHortChg VsButLegend "
        "CbFontSize LsCbLBFontSz LsLblVLFSz NDirName ODirName LsLblHaltMessage LsLblInsLabel "
        "LsLblDelLabel ");
    ExpectNamedOnce(
        *windows.Graph,
        "GrTreeView GrListView GrReditEditBox GrFindDialog1 GrPanTop GrPanDirNodes GrSplitMain "
        "GrPanBtm GrNDirNm GrODirNm GrEdDirNm GrPanTotals GrButCollapse GrButExpand GrButReturn "
        "GrButLegend GrButToTop GrButToBtm GrButSave GrButPrint GrButFind GrCbReFontSz ");
    ExpectNamedOnce(
        *windows.SbS,
        "SbsRdSingle SbsRdDouble SbsEdSide SbsLblCmbSz SbsLblStkSz SbsCkTitle SbsEdTitle "
        "SbsCkAppend SbsButUse SbsButCancel ");
    ExpectNamedOnce(*windows.ChgFlag, "ButClose");
    ExpectNamedOnce(*windows.LNm,
                    "LNAvailLBx LNSelLBx LNNFileListBox LNOFileListBox LNEdFilter LNSortNm "
                    "LNSortExt LNNCap LNOCap LNNumPFVal LNNumSelVal LNSelHighBtn LNUSelHighBtn "
                    "LNSelAllBtn LNUndoBtn LNStartBtn DSLookUpBut LNCancelBtn ");
    ExpectNamedOnce(*windows.ULNm,
                    "ULFListBoxN ULFListBoxO ULSelListBox ULNFileEd ULOFileEd ULEdFilterN "
                    "ULEdFilterO ULNPVal ULOPVal ULNNumFVal ULONumFVal ULNNumSelVal ULSelArrowBut "
                    "ULUndoBtn ULStartBtn ULLookUpBut ULReturnBtn ");
    ExpectNamedOnce(
        *windows.PrntLmt,
        "PrntLblPages PrntCkPrntAll PrntCkUseLns PrntEdLmtVal PrntButUse PrntButCancel ");
    TFrmVSplit2 stacked(frm.State(), nullptr);
    ExpectNamedOnce(
        stacked,
        "HsListbox2 HsListbox3 HsSplitter1 HsFindDialog1 HsPanTop HsPanBtm HsNDirName HsODirName "
        "HsButReturn HsButTop HsButBottom HsButFind HsButLegend HsLblInsLabel HsLblDelLabel ");
  }
};

}  // namespace kav::ui

QTEST_MAIN(kav::ui::ControlNamesTest)
#include "ControlNames_qtest.moc"
