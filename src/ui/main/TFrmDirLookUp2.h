#pragma once

#include <QDialog>
#include <string>

#include "ui/main/DirLookUp.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;

namespace kav::ui {

class DirBrowser;

// The directory look-up dialog of the selection windows: browse to a directory and use it as
// the New or Old directory, then Return with both texts or Cancel. It is created once, with
// the main window, and shown modally by RunDirLookUp.
class TFrmDirLookUp2 : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmDirLookUp2(QWidget* parent = nullptr);

  // Fills the two edits and shows the request's directory (the program's folder when it names
  // none) in the list and as the directory in use. The result is Cancel until Return is pressed.
  void Prepare(const DirLookUpRequest& request);
  DirLookUpResult Result() const;

 private slots:
  void DSUNewDirButClick();
  void DSUOldDirButClick();
  void DSReturnButClick();
  void DSCancelButClick();

 private:
  void BuildControls();
  void ShowUsedDir(const std::string& path);

  QLabel* DSDrLbl = nullptr;
  QComboBox* DSDriveComboBox1 = nullptr;
  QTreeView* DSDirectoryListBox1 = nullptr;
  QLabel* DSLblUsedAs = nullptr;
  QLabel* DSLblDirNm = nullptr;
  QLabel* DSLblReturned = nullptr;
  QLabel* DSLblInDirN = nullptr;
  QLineEdit* DSInDirN = nullptr;
  QLabel* DSLblInDirO = nullptr;
  QLineEdit* DSInDirO = nullptr;
  QLabel* DSLblNote = nullptr;
  QGroupBox* DSGroupBox1 = nullptr;
  QPushButton* DSUNewDirBut = nullptr;
  QPushButton* DSUOldDirBut = nullptr;
  QPushButton* DSReturnBut = nullptr;
  QPushButton* DSCancelBut = nullptr;
  DirBrowser* browser_ = nullptr;
  std::string usedDir_;  // the directory DSLblDirNm shows, as it is on disk
  bool returned_ = false;
};

}  // namespace kav::ui
