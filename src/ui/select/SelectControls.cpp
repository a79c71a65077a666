#include "ui/select/SelectControls.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <algorithm>

namespace kav::ui {

QPushButton* SelectButton(QWidget* parent, const char* name, const char* caption,
                          const char* hint) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  if (hint != nullptr) button->setToolTip(QString::fromLatin1(hint));
  button->setAutoDefault(false);
  return button;
}

QLabel* SelectLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QListView* SelectListView(QWidget* parent, const char* name, bool multi) {
  auto* view = new QListView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setUniformItemSizes(true);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                               : QAbstractItemView::SingleSelection);
  return view;
}

std::vector<int> HighlightedRows(const QListView& view) {
  std::vector<int> rows;
  if (view.selectionModel() == nullptr) return rows;
  // The ranges, not one index per row: highlighting 100,000 names stays cheap.
  for (const QItemSelectionRange& range : view.selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

QString CountText(std::size_t count) {
  return QStringLiteral("(") + QString::number(count) + QStringLiteral(")");
}

}  // namespace kav::ui
