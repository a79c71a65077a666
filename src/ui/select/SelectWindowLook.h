#pragma once

#include <QSize>

class QDialog;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace kav::ui {

// The selection windows' font (the main window's) and their design size, which is also the
// smallest they may be made.
void SetSelectWindowLook(QDialog& window, QSize designSize);

// A count caption followed by its value label, as one row.
QHBoxLayout* CountRow(QWidget* parent, const char* name, const char* caption, QLabel* value);

}  // namespace kav::ui
