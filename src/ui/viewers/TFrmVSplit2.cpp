#include "ui/viewers/TFrmVSplit2.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/FindTextDialog.h"
#include "ui/viewers/SplitListModel.h"
#include "ui/viewers/TFrmChgFlag.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/logic/HSplitLogic.h"
#include "ui/viewers/logic/SplitViewerLogic.h"

namespace kav::ui {

TFrmVSplit2::TFrmVSplit2(RunState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName(QStringLiteral("FrmVSplit2"));
  setWindowFlag(Qt::WindowMaximizeButtonHint, true);
  setSizeGripEnabled(true);
  HsFindDialog1 = new FindTextDialog(this);
  HsFindDialog1->setObjectName(QStringLiteral("HsFindDialog1"));
  BuildLists();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  layout->addWidget(BuildTopPanel());
  layout->addWidget(HsSplitter1, 1);
  layout->addWidget(BuildBottomPanel());
  resize(860, 600);
  ConnectControls();
}

QFrame* TFrmVSplit2::BuildTopPanel() {
  HsPanTop = ViewerPanel(this, "HsPanTop");
  HsNDirName = PathLabel(HsPanTop, "HsNDirName", ViewerBlue);
  HsODirName = PathLabel(HsPanTop, "HsODirName", ViewerRed);
  HsButReturn = ViewerButton(HsPanTop, "HsButReturn", "&Return");
  HsButTop = ViewerButton(HsPanTop, "HsButTop", "To &Top");
  HsButBottom = ViewerButton(HsPanTop, "HsButBottom", "To &Btm");
  HsButFind = ViewerButton(HsPanTop, "HsButFind", "&Find...");
  HsButLegend = ViewerButton(HsPanTop, "HsButLegend", "&Legend ");
  HsButLegend->hide();

  auto* names = new QGridLayout;
  names->addWidget(new QLabel(QStringLiteral("New File Top Split = "), HsPanTop), 0, 0);
  names->addWidget(HsNDirName, 0, 1);
  names->addWidget(new QLabel(QStringLiteral("Old  File Btm Split = "), HsPanTop), 1, 0);
  names->addWidget(HsODirName, 1, 1);
  names->setColumnStretch(1, 1);
  auto* panel = new QHBoxLayout(HsPanTop);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->addLayout(names, 1);
  for (QPushButton* button : {HsButReturn, HsButTop, HsButBottom, HsButFind, HsButLegend}) {
    panel->addWidget(button);
  }
  return HsPanTop;
}

void TFrmVSplit2::BuildLists() {
  HsSplitter1 = new QSplitter(Qt::Vertical, this);
  HsSplitter1->setObjectName(QStringLiteral("HsSplitter1"));
  HsSplitter1->setHandleWidth(14);
  HsSplitter1->setChildrenCollapsible(false);
  HsListbox2 = ReportListBox(HsSplitter1, "HsListbox2");
  HsListbox3 = ReportListBox(HsSplitter1, "HsListbox3");
  TopModel = new SplitListModel(state_, SplitSide::Left, SplitListRules::Stacked, this);
  BottomModel = new SplitListModel(state_, SplitSide::Right, SplitListRules::Stacked, this);
  HsListbox2->setModel(TopModel);
  HsListbox3->setModel(BottomModel);
  HsListbox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  HsListbox2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  HsListbox3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  HsListbox3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  HsSplitter1->addWidget(HsListbox2);
  HsSplitter1->addWidget(HsListbox3);
  HsSplitter1->handle(1)->setCursor(Qt::SizeVerCursor);
  HsSplitter1->handle(1)->setToolTip(QStringLiteral("Move splitter bar up or down"));
  HsSplitter1->setSizes({300, 200});
}

QFrame* TFrmVSplit2::BuildBottomPanel() {
  HsPanBtm = ViewerPanel(this, "HsPanBtm");
  HsLblInsLabel = ColoredLabel(HsPanBtm, "HsLblInsLabel",
                               QStringLiteral("Inserts are New Dirs/Files present in New "
                                              "Directory Tree but missing in Old Directory Tree"),
                               ViewerBlue);
  HsLblDelLabel = ColoredLabel(HsPanBtm, "HsLblDelLabel",
                               QStringLiteral("Deletes are Old Dirs/Files present in Old "
                                              "Directory Tree but missing in New Directory Tree"),
                               ViewerRed);
  HsLblInsLabel->hide();
  HsLblDelLabel->hide();
  auto* panel = new QVBoxLayout(HsPanBtm);
  panel->setContentsMargins(4, 2, 4, 2);
  panel->setSpacing(1);
  panel->addWidget(HsLblInsLabel);
  panel->addWidget(HsLblDelLabel);
  return HsPanBtm;
}

void TFrmVSplit2::ConnectControls() {
  connect(HsButReturn, &QPushButton::clicked, this, &QDialog::accept);
  connect(HsButTop, &QPushButton::clicked, this, &TFrmVSplit2::HsButTopClick);
  connect(HsButBottom, &QPushButton::clicked, this, &TFrmVSplit2::HsButBottomClick);
  connect(HsButFind, &QPushButton::clicked, this, &TFrmVSplit2::HsButFindClick);
  connect(HsFindDialog1, &FindTextDialog::FindNext, this, &TFrmVSplit2::HsFindDialog1Find);
  connect(HsButLegend, &QPushButton::clicked, this, &TFrmVSplit2::HsButLegendClick);
  connect(HsListbox2->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TFrmVSplit2::HsListbox2TopIndexChanged);
  connect(HsListbox3->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TFrmVSplit2::HsListbox3TopIndexChanged);
  // A list's "click" is any change of its selected row, by mouse or keys or program, as the
  // rows the two lists show must stay together.
  connect(HsListbox2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFrmVSplit2::HsListbox2Click);
  connect(HsListbox3->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &TFrmVSplit2::HsListbox3Click);
}

void TFrmVSplit2::Prepare(const QFont& topFont, const QFont& bottomFont) {
  setWindowTitle(ToQt(HSplitCaption(state_)));
  TopModel->Reset(ToQt(state_.Split.LeftHeader));
  BottomModel->Reset(ToQt(state_.Split.RightHeader));
  HsListbox2->header()->show();
  HsListbox3->header()->show();
  HsListbox2->setFont(topFont);
  HsListbox3->setFont(bottomFont);
  FitReportListColumn(HsListbox2, TopModel->WidestRow());
  FitReportListColumn(HsListbox3, BottomModel->WidestRow());
  SelectRow(HsListbox2, 0);
  SelectRow(HsListbox3, 0);
  HsListbox2->scrollToTop();
  HsListbox3->scrollToTop();
  HsNDirName->setText(ToQt(state_.Panel.MnCbNewDirNm));
  HsODirName->setText(ToQt(state_.Panel.MnCbOldDirNm));
  RestoreGeometry();
  const bool treeCompare = state_.TreeCompareRun;
  HsButLegend->setVisible(treeCompare);
  HsLblInsLabel->setVisible(treeCompare);
  HsLblDelLabel->setVisible(treeCompare);
}

void TFrmVSplit2::RestoreGeometry() {
  const HSplitRestore plan = PlanHSplitRestore(state_, width());
  if (plan.Left) move(*plan.Left, y());
  if (plan.Top) move(x(), *plan.Top);
  if (plan.Height) resize(width(), *plan.Height);
  if (plan.Width) resize(*plan.Width, height());
  FitOnScreen(*this);
  if (plan.SplitterTop) {
    layout()->activate();
    const int total = HsSplitter1->height() - HsSplitter1->handleWidth();
    const int top = std::clamp(*plan.SplitterTop - HsSplitter1->y(), 1, std::max(1, total - 1));
    HsSplitter1->setSizes({top, std::max(1, total - top)});
  }
}

int TFrmVSplit2::SplitterTop() const {
  return HsSplitter1->handle(1)->mapTo(this, QPoint(0, 0)).y();
}

int TFrmVSplit2::SelectedRow(const QTreeView* list) const {
  const QModelIndexList selected = list->selectionModel()->selectedRows();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void TFrmVSplit2::SelectRow(QTreeView* list, int row) {
  if (row < 0 || row >= list->model()->rowCount()) return;
  const QModelIndex index = list->model()->index(row, 0);
  list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  list->scrollTo(index);
}

int TFrmVSplit2::TopRow(const QTreeView* list) const {
  return list->verticalScrollBar()->value();
}

void TFrmVSplit2::CopyPosition(const QTreeView* from, QTreeView* to) {
  const int selected = SelectedRow(from);
  if (selected >= 0 && selected != SelectedRow(to)) SelectRow(to, selected);
  to->verticalScrollBar()->setValue(TopRow(from));
}

void TFrmVSplit2::HsListbox2TopIndexChanged(int top) {
  HsListbox3->verticalScrollBar()->setValue(top);
}

void TFrmVSplit2::HsListbox3TopIndexChanged(int top) {
  HsListbox2->verticalScrollBar()->setValue(top);
}

void TFrmVSplit2::HsListbox2Click() {
  CopyPosition(HsListbox2, HsListbox3);
}

void TFrmVSplit2::HsListbox3Click() {
  if (!bottomJumpActive_) CopyPosition(HsListbox3, HsListbox2);
}

void TFrmVSplit2::HsButTopClick() {
  SelectRow(HsListbox2, 0);
  SelectRow(HsListbox3, 0);
}

void TFrmVSplit2::HsButBottomClick() {
  bottomJumpActive_ = true;
  for (QTreeView* list : {HsListbox2, HsListbox3}) {
    const int last = list->model()->rowCount() - 1;
    if (SelectedRow(list) != last) SelectRow(list, last);
  }
  bottomJumpActive_ = false;
}

void TFrmVSplit2::HsButFindClick() {
  if (SelectedRow(HsListbox2) < 0) SelectRow(HsListbox2, 0);
  HsFindDialog1->Open();
}

void TFrmVSplit2::HsFindDialog1Find() {
  const FindOutcome outcome =
      FindSplitRow(state_, FromQt(HsFindDialog1->Text()), SelectedRow(HsListbox2),
                   HsFindDialog1->Down(), HSplitRowText);
  if (!outcome.Found) {
    ShowOkMessage(HsFindDialog1, TextNotFoundMessage);
    return;
  }
  SelectRow(HsListbox2, outcome.Selected);
  SelectRow(HsListbox3, outcome.Selected);
}

void TFrmVSplit2::HsButLegendClick() {
  ShowChangeFlagLegend(this);
}

void TFrmVSplit2::done(int result) {
  HsFindDialog1->hide();
  StoreHSplitGeometry(state_, x(), y(), width(), height(), SplitterTop());
  QDialog::done(result);
}

void ShowHorizontalSplit(RunState& state, QWidget* owner, const QFont& topFont,
                         const QFont& bottomFont) {
  TFrmVSplit2 viewer(state, owner);
  viewer.Prepare(topFont, bottomFont);
  viewer.exec();
}

}  // namespace kav::ui
