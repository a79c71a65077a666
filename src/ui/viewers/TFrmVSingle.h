#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "core/Controls.h"
#include "core/RunState.h"
#include "ui/viewers/logic/ColoredOutput.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeView;

namespace kav::ui {

class FindTextDialog;
class SingleListModel;

// The single list viewer: the whole report store as one numbered, coloured, virtual list with
// To Top / To Btm, change-span navigation, Find and the font size boxes. Created once at
// start-up and shown modally for each report (see ShowSingleListReport). It never changes the
// report's text; it writes row colours of a tree listing and its own geometry texts.
class TFrmVSingle : public QDialog {
  Q_OBJECT
 public:
  TFrmVSingle(RunState& state, QWidget* parent);

  // The viewer's controls that a run shows, hides or enables; null for any other control.
  QWidget* ControlWidget(Control control) const;

  // Refills the list from the report store under the given header line and selects row 0.
  void ShowRows(const QString& header);
  int SelectedRow() const;  // -1 when no row is selected
  void SelectRow(int row);
  void SetListFontSize(int points);
  int ListFontSize() const;

  SingleListModel* Model = nullptr;

 public slots:
  void LsButTopClick();
  void LsButbottomClick();
  void LsButFindClick();
  void FindDialog1Find();
  void LsBitChngDownClick();
  void LsBitChngUpClick();
  void LsCbLBFontSzChange();
  void LsButPrintClick();
  void LsButColorPrintClick();
  void LsButSaveAsClick();

 protected:
  // Closing by any way keeps the font sizes and geometry in the run state.
  void done(int result) override;

 private:
  // The opener fills and reads the labels and font size boxes.
  friend void PrepareSingleListReport(RunState& state, TFrmVSingle& viewer);
  friend void ShowSingleListReport(RunState& state, TFrmVSingle& viewer);

  QTreeView* VlbListBox1 = nullptr;
  FindTextDialog* FindDialog1 = nullptr;
  QFrame* LsPanel2 = nullptr;
  QFrame* LsPanel1 = nullptr;
  QPushButton* LsButReturn = nullptr;
  QPushButton* LsButTop = nullptr;
  QPushButton* LsButbottom = nullptr;
  QPushButton* LsButPrint = nullptr;
  QPushButton* LsButColorPrint = nullptr;
  QPushButton* LsButSaveAs = nullptr;
  QPushButton* LsButFind = nullptr;
  QPushButton* LsBitChngDown = nullptr;
  QPushButton* LsBitChngUp = nullptr;
  QComboBox* CbFontSize = nullptr;
  QComboBox* LsCbLBFontSz = nullptr;
  QLabel* NFNameL = nullptr;
  QLabel* NDirName = nullptr;
  QLabel* OFNameL = nullptr;
  QLabel* ODirName = nullptr;
  QLabel* LsLblInsLabel = nullptr;
  QLabel* LsLblDelLabel = nullptr;

  QFrame* BuildTopPanel();
  QFrame* BuildBottomPanel();
  void FitColumnWidth();
  std::string Caption() const;
  std::string Header() const;
  int PrintFontSize() const;
  // The coloured lines, built under the wait cursor, once the user said Yes to the question.
  std::optional<std::vector<ColoredLine>> ColoredLinesToSend(ColoredMode mode);

  RunState& state_;
};

}  // namespace kav::ui
