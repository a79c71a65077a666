#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "ui/main/DirLookUp.h"

class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace kav::ui {

// How a selection window shows the directory look-up dialog: RunDirLookUp in the program, a
// stand-in in tests.
using DirLookUpFunction = std::function<DirLookUpResult(QWidget*, const DirLookUpRequest&)>;

// The pieces the two selection windows are built from, each carrying its given name.
QPushButton* SelectButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint = nullptr);
QLabel* SelectLabel(QWidget* parent, const char* name, const QString& text = {});
// A list view for long lists: rows of one height, `multi` for extended selection.
QListView* SelectListView(QWidget* parent, const char* name, bool multi);

// The highlighted rows of a list view, ascending.
std::vector<int> HighlightedRows(const QListView& view);
// A count as the count captions show it: "(" count ")".
QString CountText(std::size_t count);

}  // namespace kav::ui
