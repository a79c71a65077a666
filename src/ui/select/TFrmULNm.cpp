#include "ui/select/TFrmULNm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
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
namespace {

QLineEdit* SelectEdit(QWidget* parent, const char* name, const char* hint, bool readOnly) {
  auto* edit = new QLineEdit(QStringLiteral("*.*"), parent);
  edit->setObjectName(QString::fromLatin1(name));
  if (hint != nullptr) edit->setToolTip(QString::fromLatin1(hint));
  edit->setReadOnly(readOnly);
  return edit;
}

// The row highlighted in a one-row list view, or -1.
int HighlightedRow(const QListView& view) {
  const std::vector<int> rows = HighlightedRows(view);
  return rows.empty() ? -1 : rows.front();
}

}  // namespace

TFrmULNm::TFrmULNm(RunContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  BuildWindow();
  ConnectControls();
}

void TFrmULNm::BuildWindow() {
  setObjectName(QStringLiteral("FrmULNm"));
  setWindowTitle(
      QStringLiteral("Kavdrift File Selection of Unlike/Like Named Pairs for Comparison"));
  SetSelectWindowLook(*this, QSize(720, 480));

  newModel_ = new SelectListModel([this](int row) { return newFiles_.Files()[row].Name; }, this);
  oldModel_ = new SelectListModel([this](int row) { return oldFiles_.Files()[row].Name; }, this);
  pairModel_ = new SelectListModel([this](int row) { return PairText(pairs_[row]); }, this);
  ULFListBoxN = SelectListView(this, "ULFListBoxN", false);
  ULFListBoxN->setModel(newModel_);
  ULFListBoxN->setToolTip(QStringLiteral("New file names from New Dir "));
  ULFListBoxO = SelectListView(this, "ULFListBoxO", false);
  ULFListBoxO->setModel(oldModel_);
  ULFListBoxO->setToolTip(QStringLiteral("Old file names from Old Dir "));
  ULSelListBox = SelectListView(this, "ULSelListBox", true);
  ULSelListBox->setModel(pairModel_);
  ULSelListBox->setToolTip(QStringLiteral("New/Old selected File pair to be compared"));

  ULNFileEd =
      SelectEdit(this, "ULNFileEd", "Contains eligible new file name to be transfered", true);
  ULOFileEd =
      SelectEdit(this, "ULOFileEd", "Contains eligible old file name to be transfered", true);
  ULEdFilterN = SelectEdit(this, "ULEdFilterN", nullptr, false);
  ULEdFilterO = SelectEdit(this, "ULEdFilterO", nullptr, false);
  ULNPVal = SelectLabel(this, "ULNPVal");
  ULOPVal = SelectLabel(this, "ULOPVal");
  ULNNumFVal = SelectLabel(this, "ULNNumFVal");
  ULONumFVal = SelectLabel(this, "ULONumFVal");
  ULNNumSelVal = SelectLabel(this, "ULNNumSelVal");

  ULSelArrowBut = SelectButton(this, "ULSelArrowBut", "Select New-Old &Pair");
  ULUndoBtn =
      SelectButton(this, "ULUndoBtn", "&Undo Highlighted", "Remove the highlighted file pair");
  ULStartBtn = SelectButton(this, "ULStartBtn", "&Start  Compare ",
                            "Start the compare of the \"Selected File Pairs\"");
  ULLookUpBut = SelectButton(this, "ULLookUpBut", "&Dir LookUp ...",
                             "Transfer to the Dir Lookup Assist Panel");
  ULReturnBtn = SelectButton(this, "ULReturnBtn", "     &Return", "Return to Main Tabbed Panel");

  auto* dirs = new QGridLayout;
  dirs->addWidget(SelectLabel(this, "ULLblNDir", QStringLiteral("New Dir Name:")), 0, 0);
  dirs->addWidget(ULNPVal, 0, 1);
  dirs->addWidget(SelectLabel(this, "ULLblODir", QStringLiteral("Old  Dir  Name:")), 1, 0);
  dirs->addWidget(ULOPVal, 1, 1);
  dirs->setColumnStretch(1, 1);

  auto* grid = new QGridLayout;
  grid->addWidget(SelectLabel(this, "ULLblNFiles", QStringLiteral("New Files:")), 0, 0);
  grid->addWidget(SelectLabel(this, "ULLblOFiles", QStringLiteral("Old Files:")), 0, 1);
  grid->addWidget(SelectLabel(this, "ULLblPairs", QStringLiteral("Selected File Pair:")), 0, 2);
  grid->addWidget(ULFListBoxN, 1, 0);
  grid->addWidget(ULFListBoxO, 1, 1);
  grid->addWidget(ULSelListBox, 1, 2);
  grid->addLayout(CountRow(this, "ULLblNNumF", "# New Files:", ULNNumFVal), 2, 0);
  grid->addLayout(CountRow(this, "ULLblONumF", "# Old Files:", ULONumFVal), 2, 1);
  grid->addLayout(CountRow(this, "ULLblNumSel", "# Selected File Pairs:", ULNNumSelVal), 2, 2);
  grid->addWidget(SelectLabel(this, "ULLblNFileEd", QStringLiteral("Higlighted New File:")), 3, 0);
  grid->addWidget(SelectLabel(this, "ULLblOFileEd", QStringLiteral("Highlighted Old File:")), 3, 1);
  grid->addWidget(ULNFileEd, 4, 0);
  grid->addWidget(ULOFileEd, 4, 1);
  grid->addWidget(ULSelArrowBut, 4, 2);
  grid->addWidget(SelectLabel(this, "ULLblFilterN", QStringLiteral("New File Filter:")), 5, 0);
  grid->addWidget(SelectLabel(this, "ULLblFilterO", QStringLiteral("Old File Filter:")), 5, 1);
  grid->addWidget(ULEdFilterN, 6, 0);
  grid->addWidget(ULEdFilterO, 6, 1);
  grid->addWidget(ULUndoBtn, 6, 2);
  for (int column = 0; column < 3; ++column) grid->setColumnStretch(column, 1);
  grid->setRowStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ULStartBtn);
  buttons->addWidget(ULLookUpBut);
  buttons->addWidget(ULReturnBtn);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(dirs);
  layout->addLayout(grid, 1);
  layout->addLayout(buttons);
}

void TFrmULNm::ConnectControls() {
  connect(ULSelArrowBut, &QPushButton::clicked, this, &TFrmULNm::ULSelArrowButClick);
  connect(ULUndoBtn, &QPushButton::clicked, this, &TFrmULNm::ULUndoBtnClick);
  connect(ULStartBtn, &QPushButton::clicked, this, &TFrmULNm::ULStartBtnClick);
  connect(ULLookUpBut, &QPushButton::clicked, this, &TFrmULNm::ULLookUpButClick);
  connect(ULReturnBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(ULEdFilterN, &QLineEdit::returnPressed, this, &TFrmULNm::ULEdFilterNEnter);
  connect(ULEdFilterO, &QLineEdit::returnPressed, this, &TFrmULNm::ULEdFilterOEnter);
  for (QListView* list : {ULFListBoxN, ULFListBoxO}) {
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TFrmULNm::ShowHighlighted);
  }
}

void TFrmULNm::Open() {
  if (!reshowing_) {
    ListNewFiles();
    ListOldFiles();
    if (!BothSidesHaveFiles(false)) return;
    std::string& kept = ctx_.State.UnlikeSelectionText;
    if (!kept.empty()) pairs_ = ParsePairSelection(kept);
    kept.clear();
    keptTaken_ = true;
    if (!pairs_.empty()) CheckPairs(pairs_, newFiles_, oldFiles_);
    ShowCaptions();
    ShowPairs();
  }
  reshowing_ = false;
  startChosen_ = false;
  FitOnScreen(*this);
  exec();
  if (startChosen_) RunStart();
}

void TFrmULNm::KeepSelection() {
  if (keptTaken_) ctx_.State.UnlikeSelectionText = PairSelectionText(pairs_);
}

void TFrmULNm::ListNewFiles() {
  newFiles_ = SelectableFiles(ctx_.Fs, ctx_.State.NewDirName, FileMask(FromQt(newMask_)));
  newModel_->Reset(newFiles_.Count());
  ULNNumFVal->setText(CountText(newFiles_.Files().size()));
  ShowHighlighted();
}

void TFrmULNm::ListOldFiles() {
  oldFiles_ = SelectableFiles(ctx_.Fs, ctx_.State.OldDirName, FileMask(FromQt(oldMask_)));
  oldModel_->Reset(oldFiles_.Count());
  ULONumFVal->setText(CountText(oldFiles_.Files().size()));
  ShowHighlighted();
}

bool TFrmULNm::BothSidesHaveFiles(bool windowShows) {
  auto tell = [&](const char* message) {
    if (windowShows) {
      ShowOkMessage(this, message);
    } else {
      ctx_.Ui.ShowMessage(message);
    }
  };
  if (newFiles_.Empty()) tell(NoNewFilesToCompare);
  if (oldFiles_.Empty()) tell(NoOldFilesToCompare);
  return !newFiles_.Empty() && !oldFiles_.Empty();
}

void TFrmULNm::ShowHighlighted() {
  const int newRow = HighlightedRow(*ULFListBoxN);
  const int oldRow = HighlightedRow(*ULFListBoxO);
  ULNFileEd->setText(newRow < 0 ? newMask_ : ToQt(newFiles_.Files()[newRow].Name));
  ULOFileEd->setText(oldRow < 0 ? oldMask_ : ToQt(oldFiles_.Files()[oldRow].Name));
}

void TFrmULNm::ShowPairs() {
  pairModel_->Reset(static_cast<int>(pairs_.size()));
  ULNNumSelVal->setText(CountText(pairs_.size()));
}

void TFrmULNm::ShowCaptions() {
  ULNPVal->setText(ToQt(ToLower(ctx_.State.Panel.MnCbNewDirNm)));
  ULOPVal->setText(ToQt(ToLower(ctx_.State.Panel.MnCbOldDirNm)));
}

// A pair needs one file highlighted on each side. The highlight is asked, not the fields'
// texts, so a file whose name holds a '*' can be paired too.
void TFrmULNm::ULSelArrowButClick() {
  const int newRow = HighlightedRow(*ULFListBoxN);
  const int oldRow = HighlightedRow(*ULFListBoxO);
  if (newRow < 0 || oldRow < 0) return ShowOkMessage(this, FilesNotIndividuallySelected);
  const SelectableFile& n = newFiles_.Files()[newRow];
  const SelectableFile& o = oldFiles_.Files()[oldRow];
  pairs_.push_back({n.Name, o.Name, n.Disk, o.Disk});
  ShowPairs();
}

void TFrmULNm::ULUndoBtnClick() {
  std::vector<int> rows = HighlightedRows(*ULSelListBox);
  if (rows.empty()) return ShowOkMessage(this, NoPairsHighlighted);
  RemovePairRows(pairs_, std::move(rows));
  ShowPairs();
}

void TFrmULNm::ULStartBtnClick() {
  if (pairs_.empty()) return ShowOkMessage(this, NoPairsSelected);
  startChosen_ = true;
  accept();
}

// The window is closed by now; the compare runs as kavdrift-cli's --pair runs it.
void TFrmULNm::RunStart() {
  const std::vector<SelectedPair> listed = ListedPairs(pairs_, newFiles_, oldFiles_);
  if (FillSelectedPairs(ctx_.State, ctx_.Fs, listed) > 0) {
    RunCompareSection(ctx_);
  } else {
    ctx_.Ui.ShowMessage(NoPairsSelected);
  }
}

void TFrmULNm::ULLookUpButClick() {
  LookUpDirectories(ctx_, lookUp_, this);
  ctx_.State.ReshowSelection = true;
  reshowing_ = true;
  ULEdFilterN->setText(QStringLiteral("*.*"));
  newMask_ = ULEdFilterN->text();
  ListNewFiles();
  ListOldFiles();
  if (BothSidesHaveFiles(true)) {
    ShowCaptions();
    if (!pairs_.empty()) CheckPairs(pairs_, newFiles_, oldFiles_);
    ShowPairs();
  }
  accept();
}

void TFrmULNm::ULEdFilterNEnter() {
  newMask_ = ULEdFilterN->text();
  ListNewFiles();
}

void TFrmULNm::ULEdFilterOEnter() {
  oldMask_ = ULEdFilterO->text();
  ListOldFiles();
}

}  // namespace kav::ui
