#pragma once

#include <QStyledItemDelegate>

namespace kav::ui {

// Draws rows as usual but gives every row the same fixed height, whatever the font size.
class FixedRowDelegate : public QStyledItemDelegate {
 public:
  FixedRowDelegate(int rowHeight, QObject* parent)
      : QStyledItemDelegate(parent), height_(rowHeight) {}

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(height_);
    return size;
  }

 private:
  int height_;
};

}  // namespace kav::ui
