#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace kav::ui {

class DirComboBox;

// The controls of the "Main Panel" page, named as the program names them.
struct MainPanelControls {
  QLabel* MnLblNF = nullptr;
  DirComboBox* MnCbNewDirNm = nullptr;
  QLabel* MnLblOF = nullptr;
  DirComboBox* MnCbOldDirNm = nullptr;
  QLabel* MnLblCompType = nullptr;
  QComboBox* MnCbCompareType = nullptr;
  QPushButton* MnBtnStart = nullptr;
  QPushButton* MnButStop = nullptr;
  QPushButton* MnButExit = nullptr;
  QPushButton* MnButBrowse = nullptr;
  QPushButton* MnBtnRshow = nullptr;
  QCheckBox* MnCkViewResults = nullptr;
  QCheckBox* MnCkTurnOffHint = nullptr;
  QLabel* MnLblPref = nullptr;
  QLabel* MnlblOptsUsed = nullptr;
  QLabel* MnLblDir = nullptr;
  QPlainTextEdit* mnMemDirect = nullptr;
  QLabel* MnStatus = nullptr;
  QLabel* MnCurrStatus = nullptr;
  QProgressBar* MnProgressBar = nullptr;
  QLabel* MnTitleProgBar = nullptr;
  QLabel* MnTitlePosPCent = nullptr;
  QLabel* MnImage1 = nullptr;
  QLabel* MnImage2 = nullptr;
  QLabel* MnVerNum = nullptr;
};

// The controls of the "Preferences" page; the check boxes in panel order.
struct PreferencesControls {
  QLabel* PrTitPr = nullptr;
  QFrame* PrPanPreferences = nullptr;
  std::array<QCheckBox*, 10> Boxes{};
  QPushButton* PrButReturn = nullptr;
  QPushButton* PrButCancel = nullptr;
  QPushButton* PrButReset = nullptr;
};

struct InfoPagesControls {
  QLabel* AbLblVersion = nullptr;  // About
  QPushButton* AbButReturn = nullptr;
  QPlainTextEdit* OvMemo1 = nullptr;  // Overview
  QPushButton* OvBitReturn = nullptr;
};

// Each builder creates its page's controls with their captions, hints and places on the fixed
// page, and returns them. Nothing is connected here.
MainPanelControls BuildMainPanel(QWidget* page);
PreferencesControls BuildPreferencesPage(QWidget* page);
void BuildAboutPage(QWidget* page, InfoPagesControls& controls);
void BuildOverviewPage(QWidget* page, InfoPagesControls& controls);

// The explanatory text of the Overview page.
const char* OverviewText();

}  // namespace kav::ui
