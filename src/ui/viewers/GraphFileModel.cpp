#include "ui/viewers/GraphFileModel.h"

#include "ui/main/QtText.h"
#include "ui/viewers/StateImages.h"

namespace kav::ui {

void GraphFileModel::SetRows(std::vector<GraphFileRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int GraphFileModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GraphFileModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant GraphFileModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const GraphFileRow& row = rows_[static_cast<std::size_t>(index.row())];
  if (role == Qt::DisplayRole) {
    switch (index.column()) {
      case 0:
        return ToQt(row.Name);
      case 1:
        return ToQt(row.Size);
      default:
        return ToQt(row.Date);
    }
  }
  if (role == Qt::DecorationRole && index.column() == 0) return GraphStateIcon(row.Image);
  if (role == Qt::TextAlignmentRole && index.column() == 1) {
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  }
  return {};
}

QVariant GraphFileModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case 0:
      return QStringLiteral("File Name          ");
    case 1:
      return QStringLiteral("Size");
    case 2:
      return QStringLiteral("Date");
    default:
      return {};
  }
}

Qt::ItemFlags GraphFileModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kav::ui
