#pragma once

#include <QDialog>

class QPushButton;

namespace kav::ui {

// The legend window: what the change flags of the tree reports mean, in fixed bold texts
// under bold, underlined group headings. Shown modeless beside a viewer until "&Return".
// There is one: the window created last is the one the viewers show.
class TFrmChgFlag : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmChgFlag(QWidget* parent);

 public slots:
  void ButCloseClick();

 private:
  QPushButton* ButClose = nullptr;
};

// Shows the legend window beside `viewer` without closing it; nothing when none was created.
// The window is re-attached to the viewer asking for it, so that a modal viewer does not
// block it.
void ShowChangeFlagLegend(QWidget* viewer);

// The legend window, or null when none exists.
TFrmChgFlag* ChangeFlagLegendWindow();

}  // namespace kav::ui
