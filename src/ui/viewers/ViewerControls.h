#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

class QComboBox;
class QFrame;
class QPushButton;
class QTreeView;
class QWidget;

namespace kav::ui {

// Building blocks shared by the tree report viewers.

// A button that never becomes the dialog's default (Return must not close a viewer).
QPushButton* ViewerButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint = nullptr);

// The viewers' two text colours: blue for what comes from the New side, red for the Old side
// and for warnings.
inline const QColor ViewerBlue(0, 0, 255);
inline const QColor ViewerRed(255, 0, 0);

// A label in a fixed text colour.
QLabel* ColoredLabel(QWidget* parent, const char* name, const QString& caption,
                     const QColor& colour);

// A label for a directory name: any length of name fits, the label never widens the window.
QLabel* PathLabel(QWidget* parent, const char* name, const QColor& colour);

// A note of a few lines that wraps when the window is narrow.
QLabel* NoteLabel(QWidget* parent, const QString& text);

// A raised panel.
QFrame* ViewerPanel(QWidget* parent, const char* name);

// An editable font size box offering "8" to "12", with "8" chosen.
QComboBox* FontSizeBox(QWidget* parent, const char* name);

// "Courier New" (a fixed-pitch face where that one is missing) at `points`.
QFont ReportFont(int points);

// A virtual list box of the split viewers: one column, rows 14 pixels high whatever the
// font, single selection, scrolling by whole rows so that the top row is the scroll value.
QTreeView* ReportListBox(QWidget* parent, const char* name);

// Widens the list's one column, and its header band, to the list's width and at least to
// `columns` characters of its font (and its header text).
void FitReportListColumn(QTreeView* list, int columns);

// A label the user can click.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  ClickableLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {}

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kav::ui
