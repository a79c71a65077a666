#include "ui/select/TFrmLNm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "compare/CompareSection.h"
#include "text/Format.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/select/SelectListModel.h"
#include "ui/select/SelectLookUp.h"
#include "ui/select/SelectWindowLook.h"
#include "ui/select/logic/SelectionMessages.h"

namespace kav::ui {

TFrmLNm::TFrmLNm(RunContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  BuildWindow();
  ConnectControls();
}

void TFrmLNm::BuildWindow() {
  setObjectName(QStringLiteral("FrmLNm"));
  setWindowTitle(QStringLiteral("Kavdrift File Selection of Like Named File Pairs For Comparison"));
  SetSelectWindowLook(*this, QSize(640, 470));

  availModel_ = new SelectListModel(
      [this](int row) -> std::string { return lists_.Available()[row].Name; }, this);
  selModel_ = new SelectListModel(
      [this](int row) -> std::string { return lists_.Selected()[row].Name; }, this);
  newFileModel_ = new SelectListModel(
      [this](int row) -> std::string { return newFiles_.Files()[row].Name; }, this);
  oldFileModel_ = new SelectListModel(
      [this](int row) -> std::string { return oldFiles_.Files()[row].Name; }, this);

  LNAvailLBx = SelectListView(this, "LNAvailLBx", true);
  LNAvailLBx->setModel(availModel_);
  LNSelLBx = SelectListView(this, "LNSelLBx", true);
  LNSelLBx->setModel(selModel_);
  // Sources of the available list only: they stay hidden.
  LNNFileListBox = SelectListView(this, "LNNFileListBox", false);
  LNNFileListBox->setModel(newFileModel_);
  LNNFileListBox->hide();
  LNOFileListBox = SelectListView(this, "LNOFileListBox", false);
  LNOFileListBox->setModel(oldFileModel_);
  LNOFileListBox->hide();

  LNNCap = SelectLabel(this, "LNNCap");
  LNOCap = SelectLabel(this, "LNOCap");
  LNNumPFVal = SelectLabel(this, "LNNumPFVal");
  LNNumSelVal = SelectLabel(this, "LNNumSelVal");
  LNEdFilter = new QLineEdit(QStringLiteral("*.*"), this);
  LNEdFilter->setObjectName(QStringLiteral("LNEdFilter"));
  LNEdFilter->setToolTip(QStringLiteral("Filter for both New and Old Directory Files"));
  LNSortNm = new QRadioButton(QStringLiteral("File Name"), this);
  LNSortNm->setObjectName(QStringLiteral("LNSortNm"));
  LNSortNm->setChecked(true);
  LNSortExt = new QRadioButton(QStringLiteral("Extension"), this);
  LNSortExt->setObjectName(QStringLiteral("LNSortExt"));

  LNSelHighBtn = SelectButton(this, "LNSelHighBtn", "Select &Highlighted");
  LNUSelHighBtn = SelectButton(this, "LNUSelHighBtn", "&Unselect Highlighted ");
  LNSelAllBtn = SelectButton(this, "LNSelAllBtn", " Select &All Named ");
  LNUndoBtn = SelectButton(this, "LNUndoBtn", "Unselect All S&elected");
  LNStartBtn = SelectButton(this, "LNStartBtn", "&Start  Compare ",
                            "Start compare of Selected Paired Files");
  DSLookUpBut = SelectButton(this, "DSLookUpBut", "&Dir LookUp ...",
                             "Transfer to Directory Lookup Selection Panel");
  LNCancelBtn = SelectButton(this, "LNCancelBtn", "     &Return", "Return to Main Tabbed Panel");

  auto* dirs = new QGridLayout;
  dirs->addWidget(SelectLabel(this, "LNLblNDir", QStringLiteral("New Dir Name:")), 0, 0);
  dirs->addWidget(LNNCap, 0, 1);
  dirs->addWidget(SelectLabel(this, "LNLblODir", QStringLiteral("Old  Dir Name:")), 1, 0);
  dirs->addWidget(LNOCap, 1, 1);
  dirs->setColumnStretch(1, 1);

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  for (QPushButton* button : {LNSelHighBtn, LNUSelHighBtn, LNSelAllBtn, LNUndoBtn}) {
    moves->addWidget(button);
  }
  moves->addStretch();

  auto* lists = new QGridLayout;
  lists->addWidget(SelectLabel(this, "LNLblAvail", QStringLiteral("Like Named Paired Files:")), 0,
                   0);
  lists->addWidget(SelectLabel(this, "LNLblSel", QStringLiteral("Selected Paired Files:")), 0, 2);
  lists->addWidget(LNAvailLBx, 1, 0);
  lists->addLayout(moves, 1, 1);
  lists->addWidget(LNSelLBx, 1, 2);
  lists->addLayout(CountRow(this, "LNLblNumPF", "# Of Paired Files", LNNumPFVal), 2, 0);
  lists->addLayout(CountRow(this, "LNLblNumSel", "# Of Selected Files", LNNumSelVal), 2, 2);
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(2, 1);

  auto* sortBox = new QGroupBox(QStringLiteral("Sort Like Named Files By:"), this);
  sortBox->setObjectName(QStringLiteral("LNGrpSort"));
  sortBox->setToolTip(QStringLiteral("Sorts Paired files depending on radio button setting"));
  auto* sorts = new QHBoxLayout(sortBox);
  sorts->addWidget(LNSortNm);
  sorts->addWidget(LNSortExt);

  auto* filter = new QVBoxLayout;
  filter->addWidget(SelectLabel(this, "LNLblFilter", QStringLiteral("Like File Filter:")));
  filter->addWidget(LNEdFilter);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(filter, 1);
  bottom->addWidget(sortBox, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(LNStartBtn);
  buttons->addWidget(DSLookUpBut);
  buttons->addWidget(LNCancelBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(dirs);
  layout->addLayout(lists, 1);
  layout->addLayout(bottom);
  layout->addLayout(buttons);
}

void TFrmLNm::ConnectControls() {
  connect(LNSelHighBtn, &QPushButton::clicked, this, &TFrmLNm::LNSelHighBtnClick);
  connect(LNUSelHighBtn, &QPushButton::clicked, this, &TFrmLNm::LNUSelHighBtnClick);
  connect(LNSelAllBtn, &QPushButton::clicked, this, &TFrmLNm::LNSelAllBtnClick);
  connect(LNUndoBtn, &QPushButton::clicked, this, &TFrmLNm::LNUndoBtnClick);
  connect(LNStartBtn, &QPushButton::clicked, this, &TFrmLNm::LNStartBtnClick);
  connect(DSLookUpBut, &QPushButton::clicked, this, &TFrmLNm::DSLookUpButClick);
  connect(LNCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(LNEdFilter, &QLineEdit::returnPressed, this, &TFrmLNm::LNEdFilterEnter);
  connect(LNSortNm, &QRadioButton::toggled, this, [this](bool on) {
    if (!on) return;
    lists_.SetSort(LikeSort::Name);
    ShowLists();
  });
  connect(LNSortExt, &QRadioButton::toggled, this, [this](bool on) {
    if (!on) return;
    lists_.SetSort(LikeSort::Extension);
    ShowLists();
  });
}

void TFrmLNm::Open() {
  if (!reshowing_) {
    if (BuildLikeNameList() == 0) {
      ctx_.Ui.ShowMessage(NoCommonNamedFiles);
      ctx_.Ui.Focus(Control::MnCbNewDirNm);
      return;
    }
    std::string& kept = ctx_.State.LikeSelectionText;
    if (!kept.empty()) lists_.SetSelected(ParseLikeSelection(kept));
    kept.clear();
    keptTaken_ = true;
    if (!lists_.Selected().empty()) lists_.Reconcile();
    ShowLists();
    ShowCaptions();
  }
  reshowing_ = false;
  startChosen_ = false;
  FitOnScreen(*this);
  exec();
  if (startChosen_) RunStart();
}

void TFrmLNm::KeepSelection() {
  if (keptTaken_) ctx_.State.LikeSelectionText = LikeSelectionText(lists_.Selected());
}

int TFrmLNm::BuildLikeNameList() {
  const FileMask mask(FromQt(LNEdFilter->text()));
  newFiles_ = SelectableFiles(ctx_.Fs, ctx_.State.NewDirName, mask);
  oldFiles_ =
      newFiles_.Empty() ? SelectableFiles() : SelectableFiles(ctx_.Fs, ctx_.State.OldDirName, mask);
  lists_.SetAvailable(kav::BuildLikeNameList(newFiles_, oldFiles_, lists_.Sort()));
  newFileModel_->Reset(newFiles_.Count());
  oldFileModel_->Reset(oldFiles_.Count());
  ShowLists();
  return static_cast<int>(lists_.Available().size());
}

void TFrmLNm::ShowLists() {
  availModel_->Reset(static_cast<int>(lists_.Available().size()));
  selModel_->Reset(static_cast<int>(lists_.Selected().size()));
  LNNumPFVal->setText(CountText(lists_.Available().size()));
  LNNumSelVal->setText(CountText(lists_.Selected().size()));
}

void TFrmLNm::ShowCaptions() {
  LNNCap->setText(ToQt(ToLower(ctx_.State.Panel.MnCbNewDirNm)));
  LNOCap->setText(ToQt(ToLower(ctx_.State.Panel.MnCbOldDirNm)));
}

void TFrmLNm::LNSelHighBtnClick() {
  std::vector<int> rows = HighlightedRows(*LNAvailLBx);
  if (rows.empty()) return ShowOkMessage(this, NoFilenameHighlighted);
  lists_.SelectRows(std::move(rows));
  ShowLists();
}

void TFrmLNm::LNUSelHighBtnClick() {
  std::vector<int> rows = HighlightedRows(*LNSelLBx);
  if (rows.empty()) return ShowOkMessage(this, NoFilenameHighlighted);
  lists_.UnselectRows(std::move(rows));
  ShowLists();
}

void TFrmLNm::LNSelAllBtnClick() {
  lists_.SelectAll();
  ShowLists();
}

void TFrmLNm::LNUndoBtnClick() {
  if (lists_.Selected().empty()) return ShowOkMessage(this, NothingToUndo);
  lists_.UnselectAll();
  ShowLists();
}

void TFrmLNm::LNStartBtnClick() {
  if (lists_.Selected().empty()) return ShowOkMessage(this, NoLikeNamesSelected);
  startChosen_ = true;
  accept();
}

// The window is closed by now; the compare runs as kavdrift-cli's --select runs it.
void TFrmLNm::RunStart() {
  if (FillSelectedPairs(ctx_.State, ctx_.Fs, LikePairs(lists_.Selected())) > 0) {
    RunCompareSection(ctx_);
  } else {
    ctx_.Ui.ShowMessage(NoLikeNamesSelected);
  }
}

void TFrmLNm::DSLookUpButClick() {
  LookUpDirectories(ctx_, lookUp_, this);
  ctx_.State.ReshowSelection = true;
  reshowing_ = true;
  LNEdFilter->setText(QStringLiteral("*.*"));
  if (BuildLikeNameList() > 0) {
    lists_.Reconcile();
    ShowLists();
  } else {
    ShowOkMessage(this, NoCommonNamedFiles);
  }
  ShowCaptions();
  accept();
}

void TFrmLNm::LNEdFilterEnter() {
  if (LNEdFilter->text().isEmpty()) LNEdFilter->setText(QStringLiteral("*.*"));
  if (BuildLikeNameList() > 0) {
    lists_.Reconcile();
    ShowLists();
  }
  ShowCaptions();
}

}  // namespace kav::ui
