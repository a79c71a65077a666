#pragma once

#include <QDialog>

#include "core/RunContext.h"
#include "ui/select/SelectControls.h"
#include "ui/select/logic/PairList.h"
#include "ui/select/logic/SelectableFiles.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace kav::ui {

class SelectListModel;

// The like/unlike-name selection window of compare type 4: the files of the New and the Old
// directory, each with its own filter, the New/Old pairs built from them (in the order added,
// duplicates kept), a directory look-up, and Start, which compares the pairs through the
// compare section. Created once with the main window; the pairs last from one showing to the
// next.
class TFrmULNm : public QDialog {
  Q_OBJECT
 public:
  TFrmULNm(RunContext& ctx, QWidget* parent);

  void SetDirLookUp(DirLookUpFunction lookUp) { lookUp_ = std::move(lookUp); }

  // One showing, as the type 4 start asks for it. The first of a start lists both directories,
  // refuses with a message and no window when a side has no file, and else takes the kept
  // pairs (UnlikeSelectionText, consumed) and checks them; a showing after a look-up only
  // shows the window again. When Start ends the showing, the pairs are compared before this
  // returns.
  void Open();
  // Once the window has taken the kept pairs, UnlikeSelectionText becomes its current list.
  void KeepSelection();

 public slots:
  void ULSelArrowButClick();
  void ULUndoBtnClick();
  void ULStartBtnClick();
  void ULLookUpButClick();
  void ULEdFilterNEnter();
  void ULEdFilterOEnter();

 private:
  void BuildWindow();
  void ConnectControls();
  void ListNewFiles();
  void ListOldFiles();
  // False, with the message of the side, when a side lists no file.
  bool BothSidesHaveFiles(bool windowShows);
  void ShowHighlighted();
  void ShowPairs();
  void ShowCaptions();
  void RunStart();

  RunContext& ctx_;
  DirLookUpFunction lookUp_;
  SelectableFiles newFiles_;
  SelectableFiles oldFiles_;
  PairList pairs_;
  QString newMask_ = QStringLiteral("*.*");
  QString oldMask_ = QStringLiteral("*.*");
  bool reshowing_ = false;
  bool keptTaken_ = false;
  bool startChosen_ = false;

  SelectListModel* newModel_ = nullptr;
  SelectListModel* oldModel_ = nullptr;
  SelectListModel* pairModel_ = nullptr;
  QListView* ULFListBoxN = nullptr;
  QListView* ULFListBoxO = nullptr;
  QListView* ULSelListBox = nullptr;
  QLineEdit* ULNFileEd = nullptr;
  QLineEdit* ULOFileEd = nullptr;
  QLineEdit* ULEdFilterN = nullptr;
  QLineEdit* ULEdFilterO = nullptr;
  QLabel* ULNPVal = nullptr;
  QLabel* ULOPVal = nullptr;
  QLabel* ULNNumFVal = nullptr;
  QLabel* ULONumFVal = nullptr;
  QLabel* ULNNumSelVal = nullptr;
  QPushButton* ULSelArrowBut = nullptr;
  QPushButton* ULUndoBtn = nullptr;
  QPushButton* ULStartBtn = nullptr;
  QPushButton* ULLookUpBut = nullptr;
  QPushButton* ULReturnBtn = nullptr;
};

}  // namespace kav::ui
