#pragma once

#include <QDialog>

#include "core/RunContext.h"
#include "ui/select/SelectControls.h"
#include "ui/select/logic/LikeNames.h"
#include "ui/select/logic/SelectableFiles.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

namespace kav::ui {

class SelectListModel;

// The like-name selection window of compare type 3: the names both directories hold, the ones
// picked from them, a filter, two sort orders, a directory look-up, and Start, which compares
// the picked names through the compare section. Created once with the main window and shown
// for every type 3 start; the selection lasts from one showing to the next.
class TFrmLNm : public QDialog {
  Q_OBJECT
 public:
  TFrmLNm(RunContext& ctx, QWidget* parent);

  void SetDirLookUp(DirLookUpFunction lookUp) { lookUp_ = std::move(lookUp); }

  // One showing, as the type 3 start asks for it. The first of a start lists both directories
  // (the main window's), refuses with a message and no window when they share no name, and
  // else takes the kept selection (LikeSelectionText, consumed) and reconciles it; a showing
  // after a look-up only shows the window again. When Start ends the showing, the picked names
  // are compared before this returns.
  void Open();
  // The selection as the settings file keeps it: once the window has taken the kept
  // selection, LikeSelectionText becomes its current list.
  void KeepSelection();

 public slots:
  void LNSelHighBtnClick();
  void LNUSelHighBtnClick();
  void LNSelAllBtnClick();
  void LNUndoBtnClick();
  void LNStartBtnClick();
  void DSLookUpButClick();
  void LNEdFilterEnter();

 private:
  void BuildWindow();
  void ConnectControls();
  int BuildLikeNameList();
  void ShowLists();
  void ShowCaptions();
  void RunStart();

  RunContext& ctx_;
  DirLookUpFunction lookUp_;
  LikeSelection lists_;
  SelectableFiles newFiles_;
  SelectableFiles oldFiles_;
  bool reshowing_ = false;  // a look-up asked to be shown again: the next Open only shows
  bool keptTaken_ = false;
  bool startChosen_ = false;

  SelectListModel* availModel_ = nullptr;
  SelectListModel* selModel_ = nullptr;
  SelectListModel* newFileModel_ = nullptr;
  SelectListModel* oldFileModel_ = nullptr;
  QListView* LNAvailLBx = nullptr;
  QListView* LNSelLBx = nullptr;
  QListView* LNNFileListBox = nullptr;
  QListView* LNOFileListBox = nullptr;
  QLineEdit* LNEdFilter = nullptr;
  QRadioButton* LNSortNm = nullptr;
  QRadioButton* LNSortExt = nullptr;
  QLabel* LNNCap = nullptr;
  QLabel* LNOCap = nullptr;
  QLabel* LNNumPFVal = nullptr;
  QLabel* LNNumSelVal = nullptr;
  QPushButton* LNSelHighBtn = nullptr;
  QPushButton* LNUSelHighBtn = nullptr;
  QPushButton* LNSelAllBtn = nullptr;
  QPushButton* LNUndoBtn = nullptr;
  QPushButton* LNStartBtn = nullptr;
  QPushButton* DSLookUpBut = nullptr;
  QPushButton* LNCancelBtn = nullptr;
};

}  // namespace kav::ui
