#pragma once

#include <QDialog>

class QPushButton;

namespace kav::ui {

// The legend window: what the change flags of the tree reports mean, in fixed bold texts
// under bold, underlined group headings. Shown modeless beside a viewer until "&Return".
class TFrmChgFlag : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmChgFlag(QWidget* parent);

  QPushButton* ButClose = nullptr;

 public slots:
  void ButCloseClick();
};

// Shows the one legend window beside `viewer` without closing it. The window is kept for
// the next time; it is re-attached to the viewer asking for it, so that a modal viewer does
// not block it.
void ShowChangeFlagLegend(QWidget* viewer);

// The legend window shown last, or null when none exists.
TFrmChgFlag* ChangeFlagLegendWindow();

}  // namespace kav::ui
