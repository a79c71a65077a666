// The window side of a run: Start, Halt and Re-Show, and the Host calls the engines make.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <chrono>

#include "core/CompareTypes.h"
#include "core/IoFailures.h"
#include "run/Dispatcher.h"
#include "ui/main/DirComboBox.h"
#include "ui/main/MessageBoxes.h"
#include "ui/main/TFrmMain.h"
#include "ui/main/logic/DirHistory.h"
#include "ui/main/logic/MainPanelRules.h"
#include "ui/main/logic/PanelPacer.h"
#include "ui/select/TFrmLNm.h"
#include "ui/select/TFrmULNm.h"
#include "ui/viewers/ShowSingleListReport.h"
#include "ui/viewers/TFrmVSingle.h"
#include "ui/viewers/TreeViewers.h"

namespace kav::ui {
namespace {

// Events are let through at most this often; a per-block call in between costs a clock read.
constexpr qint64 kPumpIntervalNs = 5'000'000;
// How many unreadable files and directories the message after a run names one by one.
constexpr std::size_t kFailuresShown = 10;

// The bytes of a dropped local name, decoded from the URL's percent-encoded path, so that a
// name that is not valid UTF-8 keeps them (toLocalFile puts U+FFFD in their place).
std::string LocalName(const QUrl& url) {
  if (!url.host().isEmpty()) return FromQt(url.toLocalFile());
  return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

bool IsPacedText(Control control) {
  return control == Control::MnCurrStatus || control == Control::MnTitleProgBar ||
         control == Control::MnTitlePosPCent;
}

std::int64_t SteadyNowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::vector<std::string> LocalNames(const QMimeData* mime) {
  std::vector<std::string> names;
  if (mime == nullptr || !mime->hasUrls()) return names;
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) names.push_back(LocalName(url));
  }
  return names;
}

}  // namespace

void TFrmMain::MnBtnStartClick() {
  if (running_) return;
  CopyControlsToPanel();
  running_ = true;
  failuresToTell_ = true;
  pumpClock_.invalidate();
  kav::RunCompare(ctx_);
  ShowPanelChanges(pacer_.TakeAll(), false);
  running_ = false;
  TellFailures();
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    SelectPage(PageMainPanel);
    close();
  }
}

void TFrmMain::MnButStopClick() {
  kav::MnButStopClick(state_);
}

void TFrmMain::MnBtnRshowClick() {
  if (running_) return;
  failuresToTell_ = true;
  kav::ShowResults(ctx_);
  failuresToTell_ = false;
}

// What could not be read is told before the report shows, so nobody reads an incomplete
// report as the whole answer; a run that opens no viewer tells it when it ends.
void TFrmMain::TellFailures() {
  if (!failuresToTell_) return;
  failuresToTell_ = false;
  const std::string failures = IoFailureMessage(state_.IoFailures, kFailuresShown);
  if (!failures.empty()) ShowMessage(failures);
}

void TFrmMain::DirectoriesDroppedAt(const std::vector<std::string>& names, int y) {
  const int oldComboTop = mn_.MnCbOldDirNm->mapTo(this, QPoint(0, 0)).y();
  DropResult drop = DirectoriesDropped(names, y, oldComboTop);
  if (drop.NewText) SetComboText(mn_.MnCbNewDirNm, *drop.NewText);
  if (drop.OldText) SetComboText(mn_.MnCbOldDirNm, *drop.OldText);
}

void TFrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!LocalNames(event->mimeData()).empty()) event->acceptProposedAction();
}

void TFrmMain::dropEvent(QDropEvent* event) {
  std::vector<std::string> names = LocalNames(event->mimeData());
  if (names.empty()) return;
  event->acceptProposedAction();
  DirectoriesDroppedAt(names, event->position().toPoint().y());
}

QWidget* TFrmMain::ControlWidget(Control control) {
  switch (control) {
    case Control::MnCurrStatus:
      return mn_.MnCurrStatus;
    case Control::MnProgressBar:
      return mn_.MnProgressBar;
    case Control::MnTitleProgBar:
      return mn_.MnTitleProgBar;
    case Control::MnTitlePosPCent:
      return mn_.MnTitlePosPCent;
    case Control::MnImage1:
      return mn_.MnImage1;
    case Control::MnImage2:
      return mn_.MnImage2;
    case Control::MnButStop:
      return mn_.MnButStop;
    case Control::MnButExit:
      return mn_.MnButExit;
    case Control::MnBtnStart:
      return mn_.MnBtnStart;
    case Control::MnBtnRshow:
      return mn_.MnBtnRshow;
    case Control::MnCkViewResults:
      return mn_.MnCkViewResults;
    case Control::MnCbNewDirNm:
      return mn_.MnCbNewDirNm;
    case Control::MnCbOldDirNm:
      return mn_.MnCbOldDirNm;
    case Control::SplitInsLabel:
    case Control::SplitDelLabel:
    case Control::VsButLegend:
      return TreeViewerControl(windows_, control);
    default:
      return windows_.VSingle->ControlWidget(control);
  }
}

void TFrmMain::SetText(Control control, std::string_view text) {
  if (running_ && IsPacedText(control)) {
    pacer_.SetText(control, text);
    PaintPanelIfDue();
    return;
  }
  auto* label = qobject_cast<QLabel*>(ControlWidget(control));
  if (label != nullptr) label->setText(ToQt(text));
}

void TFrmMain::SetProgress(int position) {
  if (running_) {
    pacer_.SetProgress(position);
    PaintPanelIfDue();
    return;
  }
  mn_.MnProgressBar->setValue(position);
}

void TFrmMain::PaintPanelIfDue() {
  ShowPanelChanges(pacer_.TakeDue(SteadyNowNs()), true);
}

void TFrmMain::ShowPanelChanges(const PanelChanges& changes, bool paintNow) {
  for (const auto& [control, text] : changes.Texts) {
    auto* label = qobject_cast<QLabel*>(ControlWidget(control));
    if (label == nullptr) continue;
    label->setText(ToQt(text));
    // The panel must show even when a long step follows before events run again.
    if (paintNow && label->isVisible()) label->repaint();
  }
  // The bar paints itself at once when its look changes.
  if (changes.Progress) mn_.MnProgressBar->setValue(*changes.Progress);
  if (changes.SwapBusyImages) SwapBusyImages(paintNow);
}

void TFrmMain::SwapBusyImages(bool paintNow) {
  const bool first = mn_.MnImage1->isVisibleTo(this);
  mn_.MnImage1->setVisible(!first);
  mn_.MnImage2->setVisible(first);
  if (paintNow && isVisible()) {
    QWidget* page = mn_.MnImage1->parentWidget();
    page->repaint(mn_.MnImage1->geometry().united(mn_.MnImage2->geometry()));
  }
}

void TFrmMain::SetVisible(Control control, bool visible) {
  if (control == Control::MnImage1 || control == Control::MnImage2) pacer_.DropBusySwap();
  if (QWidget* widget = ControlWidget(control)) widget->setVisible(visible);
}

void TFrmMain::SetEnabled(Control control, bool enabled) {
  if (QWidget* widget = ControlWidget(control)) widget->setEnabled(enabled);
}

void TFrmMain::Focus(Control control) {
  if (QWidget* widget = ControlWidget(control)) widget->setFocus();
}

void TFrmMain::ToggleBusyImages() {
  if (!running_) {
    SwapBusyImages(false);
    return;
  }
  pacer_.ToggleBusyImages();
  PaintPanelIfDue();
}

void TFrmMain::ProcessPendingEvents() {
  if (pumpClock_.isValid() && pumpClock_.nsecsElapsed() < kPumpIntervalNs) return;
  PaintPanelIfDue();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  pumpClock_.start();
}

void TFrmMain::ShowMessage(std::string_view text) {
  ShowPanelChanges(pacer_.TakeAll(), false);
  ShowOkMessage(this, text);
}

bool TFrmMain::AskYesNo(std::string_view text) {
  ShowPanelChanges(pacer_.TakeAll(), false);
  return AskYesNoQuestion(this, text);
}

void TFrmMain::RememberDirectory(Control combo, std::string_view text) {
  auto* box = qobject_cast<QComboBox*>(ControlWidget(combo));
  if (box == nullptr) return;
  StringList items = ComboItems(box);
  if (FindInHistory(items, text) >= 0) return;
  items.insert(items.begin(), std::string(text));
  SetComboItems(box, items);
}

void TFrmMain::OpenViewer(Viewer viewer) {
  ShowPanelChanges(pacer_.TakeAll(), false);
  TellFailures();
  if (viewer == Viewer::SingleList) {
    ShowSingleListReport(state_, *windows_.VSingle);
    return;
  }
  OpenTreeViewer(ctx_, viewer, windows_);
}

void TFrmMain::OpenSelectionWindow(SelectionWindow window) {
  ShowPanelChanges(pacer_.TakeAll(), false);
  if (window == SelectionWindow::LikeNames) {
    windows_.LNm->Open();
  } else {
    windows_.ULNm->Open();
  }
  // A look-up in the window may have made other directories the run's.
  if (ComboText(mn_.MnCbNewDirNm) != state_.Panel.MnCbNewDirNm) {
    SetComboText(mn_.MnCbNewDirNm, state_.Panel.MnCbNewDirNm);
  }
  if (ComboText(mn_.MnCbOldDirNm) != state_.Panel.MnCbOldDirNm) {
    SetComboText(mn_.MnCbOldDirNm, state_.Panel.MnCbOldDirNm);
  }
}

}  // namespace kav::ui
