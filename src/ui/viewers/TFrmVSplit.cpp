#include "ui/viewers/TFrmVSplit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "report/SplitRows.h"
#include "text/Format.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/SplitListModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/TFrmVSplit2.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/logic/SplitViewerLogic.h"

namespace kav::ui {
namespace {

// A caption above a control.
QVBoxLayout* Captioned(QWidget* caption, QWidget* below) {
  auto* column = new QVBoxLayout;
  column->setSpacing(1);
  column->addWidget(caption, 0, Qt::AlignHCenter);
  column->addWidget(below);
  return column;
}

QWidget* SidePanel(QWidget* parent, const char* name, int width) {
  QFrame* panel = ViewerPanel(parent, name);
  panel->setFixedWidth(width);
  return panel;
}

}  // namespace

TFrmVSplit::TFrmVSplit(RunState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("FrmVSplit"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  FindDialog1 = new FindTextDialog(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(BuildLists(), 1);
  layout->addWidget(BuildBottomPanel());
  resize(900, 560);
  ConnectControls();
}

QFrame* TFrmVSplit::BuildTopPanel() {
  LsPanel1 = ViewerPanel(this, "LsPanel1");
  LsButReturn = ViewerButton(LsPanel1, "LsButReturn", "&Return");
  LsButTop = ViewerButton(LsPanel1, "LsButTop", "To &Top");
  LsButbottom = ViewerButton(LsPanel1, "LsButbottom", "To &Btm");
  LsButPrint = ViewerButton(LsPanel1, "LsButPrint", "&Print ...");
  LsButColorPrint = ViewerButton(LsPanel1, "LsButColorPrint", "&Color ...");
  LsButSaveAs = ViewerButton(LsPanel1, "LsButSaveAs", "&SaveAs ...");
  LsButFind1 = ViewerButton(LsPanel1, "LsButFind1", "&Find ...");
  VsBtnHortChg = ViewerButton(LsPanel1, "VsBtnHortChg", "&HSplit",
                              "Display report as in two horizontal panels");
  VsButLegend = ViewerButton(LsPanel1, "VsButLegend", "&Legend ", "Show listing change flagging");
  VsButLegend->hide();
  CbFontSize = FontSizeBox(LsPanel1, "CbFontSize");
  LsCbLBFontSz = FontSizeBox(LsPanel1, "LsCbLBFontSz");
  LsLblVLFSz = new ClickableLabel(QStringLiteral("Display Size"), LsPanel1);
  LsLblVLFSz->setObjectName(QStringLiteral("LsLblVLFSz"));
  LsLblVLFSz->setCursor(Qt::PointingHandCursor);

  // Two rows of buttons keep the window usable at its narrowest width.
  auto* buttons = new QGridLayout;
  buttons->setHorizontalSpacing(4);
  buttons->setVerticalSpacing(2);
  int column = 0;
  for (QPushButton* button : {LsButReturn, LsButTop, LsButbottom, LsButFind1, VsBtnHortChg}) {
    buttons->addWidget(button, 0, column++);
  }
  column = 0;
  for (QPushButton* button : {LsButPrint, LsButColorPrint, LsButSaveAs, VsButLegend}) {
    buttons->addWidget(button, 1, column++);
  }
  auto* sizes = new QHBoxLayout;
  sizes->addLayout(Captioned(new QLabel(QStringLiteral("Print Size"), LsPanel1), CbFontSize));
  sizes->addLayout(Captioned(LsLblVLFSz, LsCbLBFontSz));
  auto* controls = new QHBoxLayout;
  controls->addLayout(buttons);
  controls->addSpacing(8);
  controls->addLayout(sizes);
  controls->addStretch();

  NDirName = PathLabel(LsPanel1, "NDirName", ViewerBlue);
  ODirName = PathLabel(LsPanel1, "ODirName", ViewerRed);
  LsLblHaltMessage = ColoredLabel(
      LsPanel1, "LsLblHaltMessage",
      QStringLiteral("System is in a disabled state processing a colored RTF request."), ViewerRed);
  LsLblHaltMessage->hide();
  auto* names = new QGridLayout;
  names->addWidget(new QLabel(QStringLiteral("New Dir in Left Split    ="), LsPanel1), 0, 0);
  names->addWidget(NDirName, 0, 1);
  names->addWidget(new QLabel(QStringLiteral("Old  Dir in Right Split  = "), LsPanel1), 1, 0);
  names->addWidget(ODirName, 1, 1);
  names->addWidget(LsLblHaltMessage, 0, 2, 2, 1);
  names->setColumnStretch(1, 1);

  auto* panel = new QVBoxLayout(LsPanel1);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->setSpacing(2);
  panel->addLayout(controls);
  panel->addLayout(names);
  return LsPanel1;
}

QWidget* TFrmVSplit::BuildLists() {
  auto* area = new QWidget(this);
  VsListBox2 = ReportListBox(area, "VsListBox2");
  VsListbox3 = ReportListBox(area, "VsListbox3");
  LeftModel = new SplitListModel(state_, SplitSide::Left, SplitListRules::SideBySide, this);
  RightModel = new SplitListModel(state_, SplitSide::Right, SplitListRules::SideBySide, this);
  VsListBox2->setModel(LeftModel);
  VsListbox3->setModel(RightModel);
  VsListBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VsListBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VsListbox3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  VsListbox3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  LsSplitter1 = new QSplitter(Qt::Horizontal, area);
  LsSplitter1->setObjectName(QStringLiteral("LsSplitter1"));
  LsSplitter1->setHandleWidth(9);
  LsSplitter1->setChildrenCollapsible(false);
  LsSplitter1->addWidget(VsListBox2);
  LsSplitter1->addWidget(VsListbox3);
  LsSplitter1->setStretchFactor(1, 1);
  LsSplitter1->setSizes({375, 480});

  auto* row = new QHBoxLayout(area);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(SidePanel(area, "SbsPanel1", 16));
  row->addWidget(LsSplitter1, 1);
  row->addWidget(SidePanel(area, "SbsPanel2", 14));
  return area;
}

QFrame* TFrmVSplit::BuildBottomPanel() {
  LsPanel2 = ViewerPanel(this, "LsPanel2");
  auto* note = new QLabel(QStringLiteral("\"Save As\" Note:- For colored output, use Rtf \n"
                                         "file extension and Ms Word Pad for print. "),
                          LsPanel2);
  LsLblInsLabel = ColoredLabel(
      LsPanel2, "LsLblInsLabel",
      QStringLiteral("Inserted Files : Files in the New Directory missing in the Old Directory"),
      ViewerBlue);
  LsLblDelLabel = ColoredLabel(
      LsPanel2, "LsLblDelLabel",
      QStringLiteral("Deleted Files   : Files in the Old Directory missing in the New Directory"),
      ViewerRed);
  LsLblInsLabel->hide();
  LsLblDelLabel->hide();
  auto* legend = new QVBoxLayout;
  legend->addWidget(LsLblInsLabel);
  legend->addWidget(LsLblDelLabel);
  auto* panel = new QHBoxLayout(LsPanel2);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->addWidget(note);
  panel->addSpacing(16);
  panel->addLayout(legend);
  panel->addStretch();
  return LsPanel2;
}

void TFrmVSplit::ConnectControls() {
  connect(LsButReturn, &QPushButton::clicked, this, &QDialog::accept);
  connect(LsButTop, &QPushButton::clicked, this, &TFrmVSplit::LsButTopClick);
  connect(LsButbottom, &QPushButton::clicked, this, &TFrmVSplit::LsButbottomClick);
  connect(LsButFind1, &QPushButton::clicked, this, &TFrmVSplit::LsButFind1Click);
  connect(FindDialog1, &FindTextDialog::FindNext, this, &TFrmVSplit::FindDialog1Find);
  connect(LsCbLBFontSz, &QComboBox::currentTextChanged, this, &TFrmVSplit::LsCbLBFontSzChange);
  connect(CbFontSize, &QComboBox::currentTextChanged, this, &TFrmVSplit::CbFontSizeChange);
  connect(LsLblVLFSz, &ClickableLabel::clicked, this, &TFrmVSplit::LsLblVLFSzClick);
  connect(VsBtnHortChg, &QPushButton::clicked, this, &TFrmVSplit::VsBtnHortChgClick);
  connect(VsButLegend, &QPushButton::clicked, this, &TFrmVSplit::VsButLegendClick);
  connect(VsListBox2->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TFrmVSplit::VsListBox2TopIndexChanged);
  connect(VsListbox3->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TFrmVSplit::VsListbox3TopIndexChanged);
  connect(LsButPrint, &QPushButton::clicked, this, &TFrmVSplit::LsButPrintClick);
  connect(LsButColorPrint, &QPushButton::clicked, this, &TFrmVSplit::LsButColorPrintClick);
  connect(LsButSaveAs, &QPushButton::clicked, this, &TFrmVSplit::LsButSaveAsClick);
}

QWidget* TFrmVSplit::ControlWidget(Control control) const {
  switch (control) {
    case Control::SplitInsLabel:
      return LsLblInsLabel;
    case Control::SplitDelLabel:
      return LsLblDelLabel;
    case Control::VsButLegend:
      return VsButLegend;
    default:
      return nullptr;
  }
}

void TFrmVSplit::Prepare() {
  setWindowTitle(ToQt(SplitViewerCaption(state_)));
  // Under Ldeo a type 6 directory row takes its colour from the row above: colouring every row
  // in order now makes each row's colour independent of what the user scrolls to first.
  ColorAllSplitRows(state_);
  LeftModel->Reset(ToQt(state_.Split.LeftHeader));
  RightModel->Reset(ToQt(state_.Split.RightHeader));
  VsListBox2->header()->setVisible(state_.Split.HeadersShown);
  VsListbox3->header()->setVisible(state_.Split.HeadersShown);
  FitReportListColumn(VsListBox2, LeftModel->WidestRow());
  FitReportListColumn(VsListbox3, RightModel->WidestRow());
  VsListBox2->scrollToTop();
  VsListbox3->scrollToTop();
  NDirName->setText(ToQt(state_.Panel.MnCbNewDirNm));
  ODirName->setText(ToQt(state_.Panel.MnCbOldDirNm));
  // A legend flag left by an earlier tree compare must not show in a listing run.
  VsButLegend->setVisible(state_.Split.LegendVisible && state_.TreeCompareRun);
  VsListbox3->setVerticalScrollBarPolicy(state_.ListBothTreesRun ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
  RestoreGeometry();
  state_.Split.Prepared = true;
}

void TFrmVSplit::RestoreGeometry() {
  const SplitViewerRestore plan = PlanSplitViewerRestore(state_);
  // The boxes only show the stored sizes; the lists' font follows the box when it changes.
  const QSignalBlocker printBlock(CbFontSize);
  const QSignalBlocker displayBlock(LsCbLBFontSz);
  if (!plan.PrintFontSize.empty()) CbFontSize->setEditText(ToQt(plan.PrintFontSize));
  if (!plan.DisplayFontSize.empty()) LsCbLBFontSz->setEditText(ToQt(plan.DisplayFontSize));
  if (plan.Top) move(x(), *plan.Top);
  if (plan.Height) resize(width(), *plan.Height);
  if (plan.Width) resize(*plan.Width, height());
  if (width() < SplitViewerMinimumWidth) resize(SplitViewerMinimumWidth, height());
  FitOnScreen(*this);
}

int TFrmVSplit::SelectedRow(const QTreeView* list) const {
  const QModelIndexList selected = list->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TFrmVSplit::SelectRow(QTreeView* list, int row) {
  if (row < 0 || row >= list->model()->rowCount()) return;
  const QModelIndex index = list->model()->index(row, 0);
  list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  list->scrollTo(index);
}

int TFrmVSplit::TopRow(const QTreeView* list) const {
  return list->verticalScrollBar()->value();
}

void TFrmVSplit::SetTopRow(QTreeView* list, int row) {
  list->verticalScrollBar()->setValue(row);
}

void TFrmVSplit::SetListFontSize(int points) {
  if (points <= 0) return;
  for (QTreeView* list : {VsListBox2, VsListbox3}) {
    QFont font = list->font();
    font.setPointSize(points);
    list->setFont(font);
  }
  FitReportListColumn(VsListBox2, LeftModel->WidestRow());
  FitReportListColumn(VsListbox3, RightModel->WidestRow());
}

void TFrmVSplit::LsButTopClick() {
  if (auto rows = SplitTopRows(LeftModel->rowCount(), RightModel->rowCount())) {
    SelectRow(VsListBox2, rows->Left);
    SelectRow(VsListbox3, rows->Right);
  }
}

void TFrmVSplit::LsButbottomClick() {
  if (auto rows = SplitBottomRows(LeftModel->rowCount(), RightModel->rowCount())) {
    SelectRow(VsListBox2, rows->Left);
    SelectRow(VsListbox3, rows->Right);
  }
}

void TFrmVSplit::LsButFind1Click() {
  for (QTreeView* list : {VsListBox2, VsListbox3}) {
    if (SelectedRow(list) < 0) SelectRow(list, 0);
  }
  FindDialog1->Open();
}

void TFrmVSplit::FindDialog1Find() {
  const FindOutcome outcome = FindSplitRow(state_, FromQt(FindDialog1->Text()),
                                           SelectedRow(VsListBox2), FindDialog1->Down());
  if (!outcome.Found) {
    ShowOkMessage(FindDialog1, TextNotFoundMessage);
    return;
  }
  SelectRow(VsListBox2, outcome.Selected);
  SelectRow(VsListbox3, outcome.Selected);
}

void TFrmVSplit::LsCbLBFontSzChange() {
  bool number = false;
  const int points = LsCbLBFontSz->currentText().toInt(&number);
  if (number) SetListFontSize(points);
}

void TFrmVSplit::CbFontSizeChange() {
  state_.Viewers.SpPFontSz = Cut(FromQt(CbFontSize->currentText()), 2);
}

void TFrmVSplit::LsLblVLFSzClick() {
  LsCbLBFontSzChange();
  state_.Viewers.SpDFontSz = Cut(FromQt(LsCbLBFontSz->currentText()), 2);
}

void TFrmVSplit::VsBtnHortChgClick() {
  if (state_.NewTreeLines.empty()) return;
  ShowHorizontalSplit(state_, this, VsListBox2->font(), VsListbox3->font());
}

void TFrmVSplit::VsButLegendClick() {
  ShowChangeFlagLegend(this);
}

void TFrmVSplit::VsListBox2TopIndexChanged(int top) {
  if (SplitListsScrollTogether(state_)) SetTopRow(VsListbox3, top);
}

void TFrmVSplit::VsListbox3TopIndexChanged(int top) {
  if (SplitListsScrollTogether(state_)) SetTopRow(VsListBox2, top);
}

void TFrmVSplit::showEvent(QShowEvent* event) {
  if (!state_.Split.Prepared) Prepare();
  QDialog::showEvent(event);
}

void TFrmVSplit::done(int result) {
  FindDialog1->hide();
  StoreSplitViewerGeometry(state_, FromQt(CbFontSize->currentText()),
                           FromQt(LsCbLBFontSz->currentText()), y(), height(), width());
  QDialog::done(result);
}

}  // namespace kav::ui
