#include "ui/main/TFrmMain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "text/CharacterCut.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/DirSelectPage.h"
#include "ui/main/ScreenFit.h"
#include "ui/main/TFrmDirLookUp2.h"
#include "ui/main/logic/DirHistory.h"
#include "ui/main/logic/MainPanelRules.h"
#include "ui/main/logic/SettingsReader.h"
#include "ui/main/logic/SettingsWriter.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"

namespace kav::ui {
namespace {

constexpr int kClientWidth = 501;
constexpr int kClientHeight = 418;

const FileSystem& ChooseFs(const MainWindowSetup& setup) {
  return setup.Fs != nullptr ? *setup.Fs : RealFileSystem();
}

}  // namespace

TFrmMain::TFrmMain(MainWindowSetup setup, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      setup_(std::move(setup)),
      fs_(ChooseFs(setup_)),
      ctx_{state_, *this, fs_, setup_.Locale} {
  BuildWindow();
  ConnectControls();

  // Start-up, in the program's order: state and status, the stamp, the folder and the first
  // type, the settings file, the Main Panel, the arguments, the hints.
  state_.StartStamp = CutCharacters(setup_.StartStamp, 14);
  state_.ExeDir = setup_.ExeDir;
  mn_.MnCbCompareType->setCurrentIndex(0);
  MainSettings settings;
  LoadSettingsFile(setup_.SettingsPath, fs_, settings, state_);
  ApplySettings(settings);
  SelectPage(PageMainPanel);
  if (!setup_.Arguments.empty()) SetComboText(mn_.MnCbNewDirNm, setup_.Arguments[0]);
  if (setup_.Arguments.size() > 1) SetComboText(mn_.MnCbOldDirNm, setup_.Arguments[1]);
  hints_.SetHintsShown(!mn_.MnCkTurnOffHint->isChecked());
  new TFrmDirLookUp2(this);  // shown by RunDirLookUp for the selection windows
  windows_ = CreateViewerWindows(ctx_, this);
  windows_.LNm->SetDirLookUp(RunDirLookUp);
  windows_.ULNm->SetDirLookUp(RunDirLookUp);
}

TFrmMain::~TFrmMain() {
  // The viewers this window parents read its run state: they go before the state does.
  qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
}

void TFrmMain::BuildWindow() {
  setObjectName(QStringLiteral("FrmMain"));
  setWindowTitle(QStringLiteral("Kavendrift - Dir Binary File Compare Program "));
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  setFont(font);
  setFixedSize(kClientWidth, kClientHeight);
  setAcceptDrops(true);

  notebook_ = new QTabWidget(this);
  notebook_->setObjectName(QStringLiteral("AATabbedNotebook1"));
  notebook_->setGeometry(0, 0, kClientWidth, kClientHeight);
  const char* titles[] = {"Main Panel", "Directory Select", "Preferences", "About", "Overview"};
  QWidget* pages[5];
  for (int i = 0; i < 5; ++i) {
    pages[i] = new QWidget;
    notebook_->addTab(pages[i], QString::fromLatin1(titles[i]));
  }
  mn_ = BuildMainPanel(pages[PageMainPanel]);
  pr_ = BuildPreferencesPage(pages[PagePreferences]);
  BuildAboutPage(pages[PageAbout], info_);
  BuildOverviewPage(pages[PageOverview], info_);
  ds_ = new DirSelectPage(
      pages[PageDirectorySelect],
      {mn_.MnCbNewDirNm, mn_.MnCbOldDirNm, &state_, &fs_, [this] { SelectPage(PageMainPanel); }});
}

void TFrmMain::ConnectControls() {
  connect(notebook_, &QTabWidget::currentChanged, this, &TFrmMain::AATabbedNotebook1Change);
  connect(mn_.MnBtnStart, &QPushButton::clicked, this, &TFrmMain::MnBtnStartClick);
  connect(mn_.MnButStop, &QPushButton::clicked, this, &TFrmMain::MnButStopClick);
  connect(mn_.MnBtnRshow, &QPushButton::clicked, this, &TFrmMain::MnBtnRshowClick);
  connect(mn_.MnButExit, &QPushButton::clicked, this, &QWidget::close);
  connect(mn_.MnButBrowse, &QPushButton::clicked, this,
          [this] { SelectPage(PageDirectorySelect); });
  connect(mn_.MnCkTurnOffHint, &QCheckBox::clicked, this, [this] { hints_.Flip(); });
  for (DirComboBox* combo : {mn_.MnCbNewDirNm, mn_.MnCbOldDirNm}) {
    connect(combo, &QComboBox::editTextChanged, this, [this, combo] { DirComboChanged(combo); });
    connect(combo, &DirComboBox::PopupOpening, this, [this, combo] { DirComboChanged(combo); });
  }
  connect(pr_.PrButReturn, &QPushButton::clicked, this, &TFrmMain::PrButReturnClick);
  connect(pr_.PrButCancel, &QPushButton::clicked, this, &TFrmMain::PrButCancelClick);
  connect(pr_.PrButReset, &QPushButton::clicked, this, &TFrmMain::PrButResetClick);
  connect(info_.AbButReturn, &QPushButton::clicked, this, [this] { SelectPage(PageMainPanel); });
  connect(info_.OvBitReturn, &QPushButton::clicked, this, [this] { SelectPage(PageMainPanel); });
}

void TFrmMain::ApplySettings(const MainSettings& settings) {
  kept_ = settings;
  PlaceOnScreenAt(*this, settings.Left, settings.Top);
  SetComboItems(mn_.MnCbNewDirNm, settings.NewHistory);
  SetComboText(mn_.MnCbNewDirNm, settings.NewDirNm);
  SetComboItems(mn_.MnCbOldDirNm, settings.OldHistory);
  SetComboText(mn_.MnCbOldDirNm, settings.OldDirNm);
  ds_->SetSettings(settings.DsNewHistory, settings.DsOldHistory, settings.NoWarnDirC);
  SetComboText(mn_.MnCbCompareType, settings.CompareType);
  mn_.MnCkViewResults->setChecked(settings.ViewResults);
  mn_.MnCkTurnOffHint->setChecked(settings.TurnOffHint);
  SetPreferenceChecks(settings.Preferences);
  mn_.MnlblOptsUsed->setText(ToQt(settings.OptionsText));
}

MainSettings TFrmMain::SettingsFromControls() const {
  MainSettings settings = kept_;
  settings.Top = pos().y();
  settings.Left = pos().x();
  settings.NewDirNm = ComboText(mn_.MnCbNewDirNm);
  settings.OldDirNm = ComboText(mn_.MnCbOldDirNm);
  settings.NewHistory = ComboItems(mn_.MnCbNewDirNm);
  settings.OldHistory = ComboItems(mn_.MnCbOldDirNm);
  settings.DsNewHistory = ds_->NewHistory();
  settings.DsOldHistory = ds_->OldHistory();
  settings.NoWarnDirC = ds_->NoWarn();
  settings.CompareType = ComboText(mn_.MnCbCompareType);
  settings.ViewResults = mn_.MnCkViewResults->isChecked();
  settings.TurnOffHint = mn_.MnCkTurnOffHint->isChecked();
  settings.Preferences = PreferenceChecksNow();
  settings.OptionsText = FromQt(mn_.MnlblOptsUsed->text());
  return settings;
}

void TFrmMain::SaveSettings() {
  windows_.LNm->KeepSelection();
  windows_.ULNm->KeepSelection();
  std::string error = SaveSettingsFile(setup_.SettingsPath, SettingsFromControls(), state_);
  if (!error.empty()) ShowMessage("The settings could not be saved.\r" + error);
}

void TFrmMain::SelectPage(int page) {
  notebook_->setCurrentIndex(page);
}

void TFrmMain::AATabbedNotebook1Change(int page) {
  PageChange change = OnPageChange(currentPage_, page);
  currentPage_ = page;
  if (change.TakeSnapshot) PreferenceSnapshot = PreferenceChecksNow();
  if (change.UpdateOptionsText) UpdateOptionsText();
  if (change.PrepareDirSelect) ds_->Enter();
}

PreferenceChecks TFrmMain::PreferenceChecksNow() const {
  PreferenceChecks checks{};
  for (std::size_t i = 0; i < checks.size(); ++i) checks[i] = pr_.Boxes[i]->isChecked();
  return checks;
}

void TFrmMain::SetPreferenceChecks(const PreferenceChecks& checks) {
  for (std::size_t i = 0; i < checks.size(); ++i) pr_.Boxes[i]->setChecked(checks[i]);
}

void TFrmMain::UpdateOptionsText() {
  mn_.MnlblOptsUsed->setText(ToQt(OptionsText(PreferenceChecksNow())));
}

void TFrmMain::PrButReturnClick() {
  SelectPage(PageMainPanel);
  UpdateOptionsText();
}

void TFrmMain::PrButCancelClick() {
  SelectPage(PageMainPanel);
  SetPreferenceChecks(PreferenceSnapshot);
  UpdateOptionsText();
}

void TFrmMain::PrButResetClick() {
  SetPreferenceChecks(PreferenceChecks{});
}

void TFrmMain::DirComboChanged(QWidget* widget) {
  auto* combo = static_cast<QComboBox*>(widget);
  RememberInComboHistory(combo, fs_, ComboText(combo), HistoryAccepts::DirectoryOnly);
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  if (running_) {
    // The run is on the stack below this event: ask it to stop and close once it has.
    state_.HaltRequested = true;
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  switch (OnCloseRequest(currentPage_)) {
    case CloseAction::CloseWindow:
      SaveSettings();
      event->accept();
      return;
    case CloseAction::DirSelectReturn:
      ds_->DsButReturnClick();
      break;
    case CloseAction::ShowMainPanel:
      SelectPage(PageMainPanel);
      break;
  }
  event->ignore();
}

void TFrmMain::CopyControlsToPanel() {
  PanelInputs& panel = state_.Panel;
  panel.MnCbNewDirNm = ComboText(mn_.MnCbNewDirNm);
  panel.MnCbOldDirNm = ComboText(mn_.MnCbOldDirNm);
  panel.MnCbCompareType = ComboText(mn_.MnCbCompareType);
  panel.MnCkViewResults = mn_.MnCkViewResults->isChecked();
  CopyPreferences(PreferenceChecksNow(), panel);
}

}  // namespace kav::ui
