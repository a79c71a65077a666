#pragma once

#include <QDialog>
#include <QFont>

#include "core/RunState.h"

class QFrame;
class QLabel;
class QPushButton;
class QSplitter;
class QTreeView;

namespace kav::ui {

class FindTextDialog;
class SplitListModel;

// The horizontal split viewer: the vertical split viewer's two record lists stacked, New on
// top and Old below a movable splitter. Both lists always scroll together, and a click in one
// list moves the other to the same rows. It writes the rows' Color and its geometry texts.
class TFrmVSplit2 : public QDialog {
  Q_OBJECT
 public:
  TFrmVSplit2(RunState& state, QWidget* parent);

  // Fills the window from the split lists: caption, rows with row 0 selected and on top,
  // directory names, the given list fonts, the stored geometry and, in a tree compare run,
  // the legend button and labels.
  void Prepare(const QFont& topFont, const QFont& bottomFont);
  int SelectedRow(const QTreeView* list) const;  // -1 when no row is selected
  void SelectRow(QTreeView* list, int row);
  int TopRow(const QTreeView* list) const;
  // The top of the splitter bar in the window's coordinates.
  int SplitterTop() const;
  bool BottomJumpActive() const { return bottomJumpActive_; }

  SplitListModel* TopModel = nullptr;
  SplitListModel* BottomModel = nullptr;

 public slots:
  void HsListbox2TopIndexChanged(int top);
  void HsListbox3TopIndexChanged(int top);
  void HsListbox2Click();
  void HsListbox3Click();
  void HsButTopClick();
  void HsButBottomClick();
  void HsButFindClick();
  void HsFindDialog1Find();
  void HsButLegendClick();

 protected:
  // Closing by any way keeps the geometry in the run state.
  void done(int result) override;

 private:
  QTreeView* HsListbox2 = nullptr;
  QTreeView* HsListbox3 = nullptr;
  QSplitter* HsSplitter1 = nullptr;
  FindTextDialog* HsFindDialog1 = nullptr;
  QFrame* HsPanTop = nullptr;
  QFrame* HsPanBtm = nullptr;
  QLabel* HsNDirName = nullptr;
  QLabel* HsODirName = nullptr;
  QPushButton* HsButReturn = nullptr;
  QPushButton* HsButTop = nullptr;
  QPushButton* HsButBottom = nullptr;
  QPushButton* HsButFind = nullptr;
  QPushButton* HsButLegend = nullptr;
  QLabel* HsLblInsLabel = nullptr;
  QLabel* HsLblDelLabel = nullptr;

  QFrame* BuildTopPanel();
  QFrame* BuildBottomPanel();
  void BuildLists();
  void ConnectControls();
  void RestoreGeometry();
  // Puts `to` on the top row and selected row of `from`.
  void CopyPosition(const QTreeView* from, QTreeView* to);

  RunState& state_;
  bool bottomJumpActive_ = false;
};

// What the vertical split viewer's "&HSplit" does: opens the horizontal split viewer over
// `owner` with the given list fonts, modally, and returns when it closes.
void ShowHorizontalSplit(RunState& state, QWidget* owner, const QFont& topFont,
                         const QFont& bottomFont);

}  // namespace kav::ui
