#include "ui/main/DirSelectPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeView>

#include "ui/main/DirBrowser.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/PageWidgets.h"
#include "ui/main/logic/DirHistory.h"
#include "ui/main/logic/DirSelectRules.h"

namespace kav::ui {
namespace {

QLabel* Note(QWidget* parent, const char* name, const QRect& where, const char* text) {
  QLabel* note = PlaceLabel(parent, name, where, text);
  note->setWordWrap(true);
  return note;
}

}  // namespace

DirSelectPage::DirSelectPage(QWidget* page, DirSelectLinks links)
    : QObject(page), links_(std::move(links)), page_(page) {
  BuildControls(page);
  browser_ = new DirBrowser(DsDriveComboBox1, DsDirectoryListBox1);
  ConnectControls();
}

void DirSelectPage::BuildControls(QWidget* page) {
  DsDrLbl = PlaceLabel(page, "DsDrLbl", {8, 11, 40, 18}, "Drive:");
  DsDriveComboBox1 = Place<QComboBox>(page, "DsDriveComboBox1", {50, 8, 188, 24},
                                      "Sets Drive Id for all dir and file names");
  DsLblDirNmList = PlaceLabel(page, "DsLblDirNmList", {8, 38, 230, 18}, "Directory Name List:");
  DsDirectoryListBox1 = Place<QTreeView>(page, "DsDirectoryListBox1", {8, 56, 230, 250},
                                         "Holds Selection File Name for transfer");

  DsGroupBox1 = Place<QGroupBox>(page, "DsGroupBox1", {248, 4, 240, 172});
  DsGroupBox1->setTitle(QStringLiteral("  Selected or Dropped"));
  DsLblDirNmSel = PlaceLabel(DsGroupBox1, "DsLblDirNmSel", {8, 20, 224, 18}, "Selected Directory:");
  DsLblSelDirNm = PlaceLabel(DsGroupBox1, "DsLblSelDirNm", {8, 38, 224, 22}, "",
                             "Holds Selection Directory Name for transfer");
  FramePathLabel(DsLblSelDirNm);
  DsLblNoteDrag = Note(DsGroupBox1, "DsLblNoteDrag", {8, 62, 224, 32},
                       "(Drag to New/Old Dir or Button to Change Main)");
  DsButUseAsNewDir = PlaceButton(DsGroupBox1, "DsButUseAsNewDir", {8, 96, 108, 26},
                                 "To Main &New Dir", "Sets New Dir Name for Dir Compare");
  DsButUOldDir = PlaceButton(DsGroupBox1, "DsButUOldDir", {124, 96, 108, 26}, " To Main &Old Dir",
                             "Sets Old Dir Name for Dir Compare");
  DsLblNoteClick = Note(DsGroupBox1, "DsLblNoteClick", {8, 126, 224, 40},
                        "Click on the entry in Dir Name List to replace the  \"Selected "
                        "Directory\" Name");

  DsLblInDirN = PlaceLabel(page, "DsLblInDirN", {248, 187, 52, 18}, "New Dir:");
  DsInDirN = Place<DirComboBox>(page, "DsInDirN", {302, 184, 186, 24},
                                "Receives New Directory and/or File Name for Compare");
  DsLblInDirO = PlaceLabel(page, "DsLblInDirO", {248, 217, 52, 18}, "Old  Dir:");
  DsInDirO = Place<DirComboBox>(page, "DsInDirO", {302, 214, 186, 24},
                                "Receives Old Directory and/or File Name for Compare");
  DsLblNoteDrop = Note(page, "DsLblNoteDrop", {248, 244, 240, 44},
                       "(Dropping onto or changing New/Old Dir Name updates the Main Panel "
                       "DirName)");

  DsCkNoWarnNoDirChg = Place<QCheckBox>(page, "DsCkNoWarnNoDirChg", {8, 318, 480, 20},
                                        "No Warning on return with No Input Filename Change.");
  DsCkNoWarnNoDirChg->setText(
      QStringLiteral("No Warn on return with Input DirectoryName Not Changed"));
  DsButReturn =
      PlaceButton(page, "DsButReturn", {8, 354, 110, 26}, "    &Return", "Return to Main Panel");
  DsButCancel = PlaceButton(page, "DsButCancel", {126, 354, 110, 26}, "    &Cancel",
                            "Restore entry values to Input Directories and return to Main Panel");
}

void DirSelectPage::ConnectControls() {
  connect(browser_, &DirBrowser::DirectoryClicked, this, &DirSelectPage::Select);
  connect(DsButUseAsNewDir, &QPushButton::clicked, this, [this] { CarryByButton(true); });
  connect(DsButUOldDir, &QPushButton::clicked, this, [this] { CarryByButton(false); });
  connect(DsButReturn, &QPushButton::clicked, this, &DirSelectPage::DsButReturnClick);
  connect(DsButCancel, &QPushButton::clicked, this, &DirSelectPage::DsButCancelClick);
  for (bool newSide : {true, false}) {
    DirComboBox* combo = newSide ? DsInDirN : DsInDirO;
    connect(combo, &QComboBox::editTextChanged, this, [this, newSide] { DsInDirChanged(newSide); });
    connect(combo, &DirComboBox::PopupOpening, this,
            [this, combo] { RememberDs(combo, ComboText(combo)); });
    combo->lineEdit()->installEventFilter(this);
  }
  DsDirectoryListBox1->viewport()->installEventFilter(this);
  for (QWidget* target :
       std::initializer_list<QWidget*>{DsInDirN, DsInDirN->lineEdit(), DsButUseAsNewDir, DsInDirO,
                                       DsInDirO->lineEdit(), DsButUOldDir}) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
  }
}

void DirSelectPage::Enter() {
  RunState& state = *links_.State;
  state.DirSelectEntryNew = ComboText(links_.MnCbNewDirNm);
  state.DirSelectEntryOld = ComboText(links_.MnCbOldDirNm);
  selected_.assign(1, ' ');  // nothing selected yet
  const DirSelectEntryPlan plan =
      PlanDirSelectEntry(IsBrowsableDirectory(*links_.Fs, state.DirSelectEntryNew),
                         IsBrowsableDirectory(*links_.Fs, state.DirSelectEntryOld));
  if (plan.RememberDsNew) RememberDs(DsInDirN, ComboText(DsInDirN));
  if (plan.RememberDsOld) RememberDs(DsInDirO, ComboText(DsInDirO));
  switch (plan.Shows) {
    case EntryShows::NewDir:
      ShowAndSelect(state.DirSelectEntryNew);
      break;
    case EntryShows::OldDir:
      ShowAndSelect(state.DirSelectEntryOld);
      break;
    case EntryShows::ExeDir:
      ShowAndSelect(ExeDirShown(state.ExeDir));
      break;
  }
  SetDsText(DsInDirN, state.DirSelectEntryNew);
  SetDsText(DsInDirO, state.DirSelectEntryOld);
}

void DirSelectPage::DsButReturnClick() {
  const RunState& state = *links_.State;
  const auto question = DirSelectReturnQuestion(
      DsCkNoWarnNoDirChg->isChecked(), state.DirSelectEntryNew, state.DirSelectEntryOld,
      ComboText(links_.MnCbNewDirNm), ComboText(links_.MnCbOldDirNm));
  if (question && !AskYesNoQuestion(page_->window(), *question)) return;
  links_.ShowMainPanel();
}

void DirSelectPage::DsButCancelClick() {
  SetComboText(links_.MnCbNewDirNm, links_.State->DirSelectEntryNew);
  SetComboText(links_.MnCbOldDirNm, links_.State->DirSelectEntryOld);
  links_.ShowMainPanel();
}

void DirSelectPage::SetSettings(const StringList& newHistory, const StringList& oldHistory,
                                bool noWarn) {
  SetComboItems(DsInDirN, SortedHistory(newHistory));
  SetComboItems(DsInDirO, SortedHistory(oldHistory));
  DsCkNoWarnNoDirChg->setChecked(noWarn);
}

StringList DirSelectPage::NewHistory() const {
  return ComboItems(DsInDirN);
}

StringList DirSelectPage::OldHistory() const {
  return ComboItems(DsInDirO);
}

bool DirSelectPage::NoWarn() const {
  return DsCkNoWarnNoDirChg->isChecked();
}

void DirSelectPage::Select(const std::string& path) {
  selected_ = path;
  ShowPathCaption(DsLblSelDirNm, path, PathCase::Lower);
}

void DirSelectPage::ShowAndSelect(const std::string& path) {
  browser_->ShowDirectory(path);
  Select(path);
}

// A text the page sets is not a change by the user: the change rule does not run for it.
void DirSelectPage::SetDsText(QComboBox* combo, const std::string& text) {
  QSignalBlocker block(combo);
  SetComboText(combo, text);
}

void DirSelectPage::RememberDs(QComboBox* combo, const std::string& text) {
  RememberInComboHistory(combo, *links_.Fs, text, HistoryAccepts::DirectoryOnly);
}

void DirSelectPage::RememberMain(bool newSide) {
  DirComboBox* main = MainCombo(newSide);
  RememberInComboHistory(main, *links_.Fs, ComboText(main), HistoryAccepts::FileOrDirectory);
}

void DirSelectPage::CarryByButton(bool newSide) {
  QComboBox* ds = DsCombo(newSide);
  RememberMain(newSide);
  RememberDs(ds, ComboText(ds));
  SetComboText(MainCombo(newSide), selected_);
  SetDsText(ds, selected_);
}

void DirSelectPage::CarryByDrop(bool newSide) {
  QComboBox* ds = DsCombo(newSide);
  RememberDs(ds, ComboText(ds));
  RememberDs(ds, selected_);
  RememberMain(newSide);
  SetDsText(ds, selected_);
  SetComboText(MainCombo(newSide), selected_);
}

void DirSelectPage::DsInDirChanged(bool newSide) {
  QComboBox* ds = DsCombo(newSide);
  const std::string text = ComboText(ds);
  if (!IsBrowsableDirectory(*links_.Fs, text)) return;
  RememberDs(ds, text);
  RememberMain(newSide);
  ShowAndSelect(text);
  SetComboText(MainCombo(newSide), text);
}

QComboBox* DirSelectPage::DsCombo(bool newSide) const {
  return newSide ? DsInDirN : DsInDirO;
}

DirComboBox* DirSelectPage::MainCombo(bool newSide) const {
  return newSide ? links_.MnCbNewDirNm : links_.MnCbOldDirNm;
}

}  // namespace kav::ui
