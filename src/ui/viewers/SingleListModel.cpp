#include "ui/viewers/SingleListModel.h"

#include "report/SingleListRows.h"
#include "ui/main/QtText.h"

namespace kav::ui {

QColor EngineColor(uint32_t value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

SingleListModel::SingleListModel(RunState& state, QObject* parent)
    : QAbstractListModel(parent), state_(state) {}

void SingleListModel::Reset(const QString& header) {
  beginResetModel();
  header_ = header;
  rows_ = static_cast<int>(state_.ReportLines.size());
  endResetModel();
  emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int SingleListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant SingleListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() != 0 || index.row() >= rows_) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(SingleRowText(state_, index.row()));
    case Qt::ForegroundRole:
      return EngineColor(SingleRowColor(state_, index.row()));
    default:
      return {};
  }
}

QVariant SingleListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section != 0 || orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return header_;
}

Qt::ItemFlags SingleListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kav::ui
