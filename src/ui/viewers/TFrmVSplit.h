#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "core/Controls.h"
#include "core/RunState.h"
#include "ui/viewers/logic/ColoredOutput.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QSplitter;
class QTreeView;

namespace kav::ui {

class ClickableLabel;
class FindTextDialog;
class SplitListModel;
class TFrmPrntLmt;
class TFrmSbS;

// The vertical split viewer: NewTreeLines in the left list, OldTreeLines in the right one,
// each virtual, numbered and coloured row by row. An aligned report (type 2) scrolls as one;
// the two listings of a type 6 run scroll on their own. Created once and shown modally for
// each report; the first showing after the run cleared State.Split.Prepared prepares it
// (caption, rows, directory names, stored font sizes and geometry). It writes the rows'
// Color and its own geometry texts, never the rows' text.
class TFrmVSplit : public QDialog {
  Q_OBJECT
 public:
  TFrmVSplit(RunState& state, QWidget* parent);

  // The viewer's controls that a run shows or hides; null for any other control.
  QWidget* ControlWidget(Control control) const;

  // The dialogs that serve printing and saving: the spool limit and side-by-side dialogs,
  // owned elsewhere; they must outlive this window.
  void UseDialogs(TFrmSbS* sbs, TFrmPrntLmt* spoolLimit);

  // What the first showing after a run does; sets State.Split.Prepared.
  void Prepare();
  int SelectedRow(const QTreeView* list) const;  // -1 when no row is selected
  void SelectRow(QTreeView* list, int row);
  int TopRow(const QTreeView* list) const;
  void SetTopRow(QTreeView* list, int row);
  void SetListFontSize(int points);

  SplitListModel* LeftModel = nullptr;
  SplitListModel* RightModel = nullptr;

 public slots:
  void LsButTopClick();
  void LsButbottomClick();
  void LsButFind1Click();
  void FindDialog1Find();
  void LsCbLBFontSzChange();
  void CbFontSizeChange();
  void LsLblVLFSzClick();
  void VsBtnHortChgClick();
  void VsButLegendClick();
  void VsListBox2TopIndexChanged(int top);
  void VsListbox3TopIndexChanged(int top);
  void LsButPrintClick();
  void LsButColorPrintClick();
  void LsButSaveAsClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing by any way keeps the font sizes and geometry in the run state.
  void done(int result) override;

 private:
  QTreeView* VsListBox2 = nullptr;
  QTreeView* VsListbox3 = nullptr;
  QSplitter* LsSplitter1 = nullptr;
  FindTextDialog* FindDialog1 = nullptr;
  QFrame* LsPanel1 = nullptr;
  QFrame* LsPanel2 = nullptr;
  QPushButton* LsButReturn = nullptr;
  QPushButton* LsButTop = nullptr;
  QPushButton* LsButbottom = nullptr;
  QPushButton* LsButPrint = nullptr;
  QPushButton* LsButColorPrint = nullptr;
  QPushButton* LsButSaveAs = nullptr;
  QPushButton* LsButFind1 = nullptr;
  QPushButton* VsBtnHortChg = nullptr;
  QPushButton* VsButLegend = nullptr;
  QComboBox* CbFontSize = nullptr;
  QComboBox* LsCbLBFontSz = nullptr;
  ClickableLabel* LsLblVLFSz = nullptr;
  QLabel* NDirName = nullptr;
  QLabel* ODirName = nullptr;
  QLabel* LsLblHaltMessage = nullptr;
  QLabel* LsLblInsLabel = nullptr;
  QLabel* LsLblDelLabel = nullptr;

  QFrame* BuildTopPanel();
  QFrame* BuildBottomPanel();
  QWidget* BuildLists();
  void ConnectControls();
  void RestoreGeometry();
  int PrintFontSize() const;
  // The coloured output under the wait cursor and the halt message.
  void ColoredOutput(ColoredMode mode, const std::function<void(ColoredDocument&&)>& send);
  // The text of a split save that is not RTF; empty when the user cancelled the layout.
  std::optional<std::string> SplitFileText(const std::string& path, bool& append);

  TFrmSbS* SbS_ = nullptr;
  TFrmPrntLmt* PrntLmt_ = nullptr;

  RunState& state_;
};

}  // namespace kav::ui
