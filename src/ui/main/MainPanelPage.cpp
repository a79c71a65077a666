#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProgressBar>

#include "core/CompareTypes.h"
#include "ui/main/BusyImages.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/MainPages.h"
#include "ui/main/PageWidgets.h"

namespace kav::ui {
namespace {

QLabel* Framed(QLabel* label) {
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  label->setAutoFillBackground(true);
  label->setBackgroundRole(QPalette::Base);
  return label;
}

void PlaceDirectoryRows(QWidget* page, MainPanelControls& c) {
  c.MnLblNF = PlaceLabel(page, "MnLblNF", {8, 14, 116, 20}, "New Directory :");
  c.MnCbNewDirNm = Place<DirComboBox>(page, "MnCbNewDirNm", {128, 12, 362, 24},
                                      "Used as new directory or file in comparison");
  c.MnLblOF = PlaceLabel(page, "MnLblOF", {8, 46, 116, 20}, "Old Directory :");
  c.MnCbOldDirNm = Place<DirComboBox>(page, "MnCbOldDirNm", {128, 44, 362, 24},
                                      "Used as Old directory or file in comparison");
  c.MnLblCompType = PlaceLabel(page, "MnLblCompType", {8, 78, 116, 20}, "Compare/List Type:");
  c.MnCbCompareType = Place<QComboBox>(page, "MnCbCompareType", {128, 76, 362, 24},
                                       "Used in determining type and number of files to compare");
  SetUpEditableCombo(c.MnCbCompareType);
  c.MnCbCompareType->setMaxVisibleItems(6);
  for (std::string_view item : CompareTypeItems) c.MnCbCompareType->addItem(ToQt(item));
}

void PlaceButtons(QWidget* page, MainPanelControls& c) {
  c.MnBtnStart = PlaceButton(page, "MnBtnStart", {256, 114, 113, 26}, "&Start",
                             "Starts processing of Selected Directories or Files");
  c.MnButStop = PlaceButton(page, "MnButStop", {377, 114, 113, 26}, "&Halt",
                            "Stops processing of Selected directories at available increment");
  c.MnButStop->hide();
  c.MnButBrowse = PlaceButton(page, "MnButBrowse", {256, 146, 113, 26}, "&Dir Select",
                              "Browse and set New and Old Directory names");
  c.MnButExit = PlaceButton(page, "MnButExit", {377, 146, 113, 26}, "&Exit",
                            "Exit from the Kavendrift Program");
  c.MnBtnRshow = PlaceButton(page, "MnBtnRshow", {256, 178, 234, 26}, "&Re-Show Last Report Panel",
                             "If button is not grayed, displays last operation report ");
  c.MnBtnRshow->setEnabled(false);
  c.MnBtnStart->setDefault(true);
}

void PlaceDirections(QWidget* page, MainPanelControls& c) {
  c.MnLblDir = PlaceLabel(page, "MnLblDir", {8, 112, 236, 18}, "Directions:");
  c.mnMemDirect = Place<QPlainTextEdit>(page, "mnMemDirect", {8, 130, 236, 74},
                                        "Operation directions for initiating compare operation.");
  c.mnMemDirect->setReadOnly(true);
  c.mnMemDirect->setAcceptDrops(false);
  c.mnMemDirect->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.mnMemDirect->setPlainText(QStringLiteral(
      "1. Specify Input Directories \n2. Set Compare/List Type Entry \n3. Press Start Button"));
}

void PlaceChecksAndStatus(QWidget* page, MainPanelControls& c) {
  c.MnCkViewResults = Place<QCheckBox>(page, "MnCkViewResults", {8, 212, 236, 20},
                                       "Turns off display of Report to user");
  c.MnCkViewResults->setText(QStringLiteral("Bypass show of Report Panel"));
  c.MnCkTurnOffHint = Place<QCheckBox>(page, "MnCkTurnOffHint", {256, 212, 234, 20},
                                       "Turns off display of hints to user");
  c.MnCkTurnOffHint->setText(QStringLiteral("Turn off All Panel Hints"));
  c.MnLblPref = PlaceLabel(page, "MnLblPref", {8, 242, 160, 20}, "User Selected Preferences:");
  c.MnlblOptsUsed = Framed(PlaceLabel(page, "MnlblOptsUsed", {170, 240, 320, 22}, "None",
                                      "User selected preference options"));
  c.MnStatus = PlaceLabel(page, "MnStatus", {8, 268, 60, 18}, "Status:");
  c.MnCurrStatus = Framed(PlaceLabel(page, "MnCurrStatus", {8, 286, 482, 44},
                                     " Waiting for information to be set, verified, and complete.",
                                     "Current status showing progress and directions"));
  c.MnCurrStatus->setWordWrap(true);
  c.MnCurrStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void PlaceProgress(QWidget* page, MainPanelControls& c) {
  c.MnTitleProgBar = PlaceLabel(page, "MnTitleProgBar", {8, 338, 84, 18}, "Dir.Progress");
  c.MnProgressBar = Place<QProgressBar>(page, "MnProgressBar", {96, 338, 296, 18});
  c.MnProgressBar->setRange(0, 100);
  c.MnProgressBar->setTextVisible(false);
  c.MnTitlePosPCent = PlaceLabel(page, "MnTitlePosPCent", {398, 338, 46, 18}, "0%");
  c.MnImage1 = Place<QLabel>(page, "MnImage1", {456, 334, 32, 32});
  c.MnImage1->setPixmap(RunningManFrame(0));
  c.MnImage2 = Place<QLabel>(page, "MnImage2", {456, 334, 32, 32},
                             "Running man shows program in progressing");
  c.MnImage2->setPixmap(RunningManFrame(1));
  for (QWidget* hidden :
       {static_cast<QWidget*>(c.MnTitleProgBar), static_cast<QWidget*>(c.MnProgressBar),
        static_cast<QWidget*>(c.MnTitlePosPCent), static_cast<QWidget*>(c.MnImage1),
        static_cast<QWidget*>(c.MnImage2)}) {
    hidden->hide();
  }
  c.MnVerNum = PlaceLabel(page, "MnVerNum", {8, 364, 300, 18}, VersionText.data(),
                          "Problem determination Version Level and Date");
}

}  // namespace

MainPanelControls BuildMainPanel(QWidget* page) {
  MainPanelControls controls;
  PlaceDirectoryRows(page, controls);
  PlaceDirections(page, controls);
  PlaceButtons(page, controls);
  PlaceChecksAndStatus(page, controls);
  PlaceProgress(page, controls);
  return controls;
}

}  // namespace kav::ui
