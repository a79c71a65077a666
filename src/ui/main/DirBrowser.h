#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "core/RunState.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QModelIndex;
class QTreeView;

namespace kav::ui {

class DirTreeFilter;

// The drive selector and the directory list of the directory select page and the look-up
// dialog. The selector lists the mounted file-system roots, "/" first; the list shows the
// chosen root and every directory below it (hidden ones included, as a compare takes dot-files
// too), loaded by Qt's file-system model in the background so that a slow mount never blocks
// the window. Paths go in and out as the bytes they have on disk.
//
// The window creates and places both controls (they keep the window's names) and hands them
// over; the browser sets them up and wires them. It is owned by the list's window.
class DirBrowser : public QObject {
  Q_OBJECT
 public:
  DirBrowser(QComboBox* drives, QTreeView* list);

  // Chooses the drive that holds `path`, opens the list down to it and selects it. A path
  // that is not loaded yet is selected once the model has read its parent.
  void ShowDirectory(const std::string& path);
  // The list's selected directory, or "" when none is.
  std::string CurrentDirectory() const;
  // The directory of a row of the list.
  std::string PathAt(const QModelIndex& index) const;
  const StringList& Drives() const { return drives_; }

 signals:
  // A press, click or double-click on a directory of the list (a press, so that a drag from
  // the list carries the directory it started on).
  void DirectoryClicked(const std::string& path);

 private:
  void ShowDrive(const std::string& root);
  bool SelectPending();
  void KeepInView(const QModelIndex& index);

  QComboBox* drives_box_;
  QTreeView* list_;
  QFileSystemModel* model_;
  DirTreeFilter* filter_;
  StringList drives_;
  QString pending_;         // the directory to select once it is loaded
  bool following_ = false;  // the selected directory is kept in view while the list loads
};

// A framed label that shows a selected directory.
void FramePathLabel(QLabel* label);
// Shows `path` (bytes) on such a label, lower-cased when asked (display only), its middle
// left out when it is wider than the label.
enum class PathCase { AsOnDisk, Lower };
void ShowPathCaption(QLabel* label, const std::string& path, PathCase shownCase);

}  // namespace kav::ui
