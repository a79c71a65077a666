#pragma once

#include <QDialog>
#include <optional>

#include "core/RunContext.h"
#include "ui/viewers/logic/GraphViewerLogic.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTreeView;

namespace kav::ui {

class FindTextDialog;
class GraphFileModel;
class GraphTreeModel;

// The tree graph viewer of a type 2 run: the combined directory nodes as a tree (left), the
// files of the directory node last clicked (right) and the coloured combined report below.
// Created once and shown modally for each run; ShowRun fills it from the run state.
class TFrmGraph : public QDialog {
  Q_OBJECT
 public:
  TFrmGraph(RunContext ctx, QWidget* parent);

  // Takes the run's combined tree, directory labels and report (at the current report font
  // size), and clears the file list, the clicked directory and the totals line.
  void ShowRun(RunContext ctx);
  // What a click on the item of the tree node `index` does.
  void ShowDirectoryFiles(const QModelIndex& index);
  int ReportFontSize() const;
  // Gives the directory-node pane its height and the tree its width, where given, inside the
  // window's present size.
  void SetPaneSizes(std::optional<int> dirNodesHeight, std::optional<int> treeWidth);
  // The window's geometry as the settings keep it.
  GraphGeometry Geometry() const;

  GraphTreeModel* TreeModel = nullptr;
  GraphFileModel* FileModel = nullptr;

 public slots:
  void GrTreeViewCollapsing();
  void GrButCollapseClick();
  void GrButExpandClick();
  void GrButToTopClick();
  void GrButToBtmClick();
  void GrCbReFontSzChange();
  void GrButSaveClick();
  void GrButPrintClick();
  void GrButFindClick();
  void GrFindDialog1Find();
  void GrButLegendClick();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void done(int result) override;

 private:
  QTreeView* GrTreeView = nullptr;
  QTreeView* GrListView = nullptr;
  QPlainTextEdit* GrReditEditBox = nullptr;
  FindTextDialog* GrFindDialog1 = nullptr;
  QFrame* GrPanTop = nullptr;
  QSplitter* GrPanDirNodes = nullptr;  // tree | files
  QSplitter* GrSplitMain = nullptr;    // middle area | report panel
  QFrame* GrPanBtm = nullptr;
  QLabel* GrNDirNm = nullptr;
  QLabel* GrODirNm = nullptr;
  QLineEdit* GrEdDirNm = nullptr;
  QLabel* GrPanTotals = nullptr;
  QPushButton* GrButCollapse = nullptr;
  QPushButton* GrButExpand = nullptr;
  QPushButton* GrButReturn = nullptr;
  QPushButton* GrButLegend = nullptr;
  QPushButton* GrButToTop = nullptr;
  QPushButton* GrButToBtm = nullptr;
  QPushButton* GrButSave = nullptr;
  QPushButton* GrButPrint = nullptr;
  QPushButton* GrButFind = nullptr;
  QComboBox* GrCbReFontSz = nullptr;

  QFrame* BuildTopPanel();
  QWidget* BuildFilePanel();
  QFrame* BuildBottomPanel();
  void ConnectControls();
  void ClearFileList();
  long long MarkPosition() const;

  std::optional<RunContext> ctx_;
};

}  // namespace kav::ui
