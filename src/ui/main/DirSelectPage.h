#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <string>

#include "core/RunState.h"
#include "platform/FileSystem.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeView;
class QWidget;

namespace kav::ui {

class DirBrowser;
class DirComboBox;

// What the directory select page uses of the main window.
struct DirSelectLinks {
  DirComboBox* MnCbNewDirNm = nullptr;
  DirComboBox* MnCbOldDirNm = nullptr;
  RunState* State = nullptr;  // DirSelectEntryNew/Old, ExeDir
  const FileSystem* Fs = nullptr;
  std::function<void()> ShowMainPanel;
};

// The "Directory Select" page: browse for a directory and carry it to the main New or Old
// directory by button or by dragging it from the list; its own New and Old combos with their
// histories; Return (with its warning) and Cancel (which restores the texts the page found).
// Paths are carried as they are on disk; only the selected directory's caption is lower-cased.
class DirSelectPage : public QObject {
  Q_OBJECT
 public:
  // Builds the page's controls on `page` and wires them.
  DirSelectPage(QWidget* page, DirSelectLinks links);

  // The notebook entered the page.
  void Enter();
  // Return, also what a close request does while the page shows.
  void DsButReturnClick();
  void DsButCancelClick();

  // The page's part of the settings file: its two histories and the warning check box.
  void SetSettings(const StringList& newHistory, const StringList& oldHistory, bool noWarn);
  StringList NewHistory() const;
  StringList OldHistory() const;
  bool NoWarn() const;

  // The directory the page would carry, as it is on disk.
  const std::string& SelectedDirectory() const { return selected_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls(QWidget* page);
  void ConnectControls();
  void Select(const std::string& path);
  void ShowAndSelect(const std::string& path);
  void SetDsText(QComboBox* combo, const std::string& text);
  void RememberDs(QComboBox* combo, const std::string& text);
  void RememberMain(bool newSide);
  void CarryByButton(bool newSide);
  void CarryByDrop(bool newSide);
  void DsInDirChanged(bool newSide);
  QComboBox* DsCombo(bool newSide) const;
  DirComboBox* MainCombo(bool newSide) const;
  bool DragFilter(QObject* watched, QEvent* event);
  bool DropFilter(QObject* watched, QEvent* event);

  DirSelectLinks links_;
  QWidget* page_;
  QLabel* DsDrLbl = nullptr;
  QComboBox* DsDriveComboBox1 = nullptr;
  QLabel* DsLblDirNmList = nullptr;
  QTreeView* DsDirectoryListBox1 = nullptr;
  QGroupBox* DsGroupBox1 = nullptr;
  QLabel* DsLblDirNmSel = nullptr;
  QLabel* DsLblSelDirNm = nullptr;
  QLabel* DsLblNoteDrag = nullptr;
  QPushButton* DsButUseAsNewDir = nullptr;
  QPushButton* DsButUOldDir = nullptr;
  QLabel* DsLblNoteClick = nullptr;
  QLabel* DsLblInDirN = nullptr;
  DirComboBox* DsInDirN = nullptr;
  QLabel* DsLblInDirO = nullptr;
  DirComboBox* DsInDirO = nullptr;
  QLabel* DsLblNoteDrop = nullptr;
  QCheckBox* DsCkNoWarnNoDirChg = nullptr;
  QPushButton* DsButReturn = nullptr;
  QPushButton* DsButCancel = nullptr;
  DirBrowser* browser_ = nullptr;
  std::string selected_ = " ";
  QPoint pressedAt_;
  bool pressed_ = false;
};

// The mime type of a drag from the page's directory list, the only drag its targets accept.
inline constexpr char DirListDragMime[] = "application/x-kavdrift-dsdirectorylistbox1";

}  // namespace kav::ui
