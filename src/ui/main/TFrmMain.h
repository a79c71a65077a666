#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "core/Host.h"
#include "core/RunContext.h"
#include "core/RunState.h"
#include "platform/FileSystem.h"
#include "text/LocaleFacts.h"
#include "ui/main/HintSwitch.h"
#include "ui/main/MainPages.h"
#include "ui/main/logic/MainSettings.h"
#include "ui/main/logic/PanelPacer.h"
#include "ui/main/logic/Preferences.h"
#include "ui/viewers/ViewerWindows.h"

class QTabWidget;

namespace kav::ui {

class DirSelectPage;

// What the program hands the main window when it creates it.
struct MainWindowSetup {
  std::string ExeDir;                  // the program's folder, no trailing '/'
  std::string SettingsPath;            // Kavdrift.ini, read now and written on close
  std::vector<std::string> Arguments;  // optional New and Old directories, as given
  std::string StartStamp;              // date and time of the start, at most 14 characters
  LocaleFacts Locale;
  const FileSystem* Fs = nullptr;  // the real file system when null
};

// The main window: the fixed-size notebook with the Main Panel, Directory Select, Preferences,
// About and Overview pages. It owns the run state for the program's life and is the window
// side of every run (the Host the engines talk to). It creates the viewer windows when it
// starts and owns them.
class TFrmMain : public QWidget, public Host {
  Q_OBJECT
 public:
  explicit TFrmMain(MainWindowSetup setup, QWidget* parent = nullptr);
  ~TFrmMain() override;

  RunState& State() { return state_; }
  const ViewerWindows& Windows() const { return windows_; }
  bool HintsShown() const { return hints_.HintsShown(); }
  int CurrentPage() const { return currentPage_; }
  void SelectPage(int page);

  // Directories dropped from the file manager at a point in window coordinates.
  void DirectoriesDroppedAt(const std::vector<std::string>& names, int y);
  // The settings as the controls show them now (what a close would write).
  MainSettings SettingsFromControls() const;

  // Host.
  void SetText(Control control, std::string_view text) override;
  void SetProgress(int position) override;
  void SetVisible(Control control, bool visible) override;
  void SetEnabled(Control control, bool enabled) override;
  void Focus(Control control) override;
  void ToggleBusyImages() override;
  void ProcessPendingEvents() override;
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  void RememberDirectory(Control combo, std::string_view text) override;
  void OpenViewer(Viewer viewer) override;
  void OpenSelectionWindow(SelectionWindow window) override;

 public slots:
  void MnBtnStartClick();
  void MnButStopClick();
  void MnBtnRshowClick();
  void PrButReturnClick();
  void PrButCancelClick();
  void PrButResetClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildWindow();
  void ConnectControls();
  void ApplySettings(const MainSettings& settings);
  void SaveSettings();
  void AATabbedNotebook1Change(int page);
  void UpdateOptionsText();
  PreferenceChecks PreferenceChecksNow() const;
  void SetPreferenceChecks(const PreferenceChecks& checks);
  void DirComboChanged(QWidget* combo);
  void CopyControlsToPanel();
  QWidget* ControlWidget(Control control);
  // Puts held panel changes on the controls; `paintNow` paints them before returning.
  void ShowPanelChanges(const PanelChanges& changes, bool paintNow);
  void TellFailures();
  void PaintPanelIfDue();
  void SwapBusyImages(bool paintNow);

  MainWindowSetup setup_;
  const FileSystem& fs_;
  RunState state_;
  RunContext ctx_;
  MainSettings kept_;  // what the file held for pages this version does not show
  HintSwitch hints_;
  QTabWidget* notebook_ = nullptr;
  MainPanelControls mn_;
  PreferencesControls pr_;
  InfoPagesControls info_;
  DirSelectPage* ds_ = nullptr;
  PreferenceChecks PreferenceSnapshot{};
  int currentPage_ = 0;
  ViewerWindows windows_;
  bool running_ = false;
  bool closeAfterRun_ = false;
  bool failuresToTell_ = false;  // the run's read failures are yet to be shown
  QElapsedTimer pumpClock_;
  PanelPacer pacer_{PanelPaintIntervalNs};
};

}  // namespace kav::ui
