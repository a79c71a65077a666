#include "ui/select/SelectListModel.h"

#include "ui/main/QtText.h"

namespace kav::ui {

SelectListModel::SelectListModel(RowText text, QObject* parent)
    : QAbstractListModel(parent), text_(std::move(text)) {}

void SelectListModel::Reset(int rows) {
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

int SelectListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant SelectListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  if (role != Qt::DisplayRole) return {};
  return ToQt(text_(index.row()));
}

}  // namespace kav::ui
