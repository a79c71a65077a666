#include "ui/viewers/SplitListModel.h"

#include <QColor>
#include <algorithm>

#include "ui/main/QtText.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/logic/HSplitLogic.h"

namespace kav::ui {
namespace {

// The header's text colour: navy.
const QColor kHeaderColour(0, 0, 128);

// A numbered row carries a six-character prefix, any other row one blank.
constexpr int kRowPrefix = 6;

}  // namespace

SplitListModel::SplitListModel(RunState& state, SplitSide side, SplitListRules rules,
                               QObject* parent)
    : QAbstractListModel(parent), state_(state), side_(side), rules_(rules) {}

void SplitListModel::Reset(const QString& header) {
  beginResetModel();
  header_ = header;
  const TreeNodeList& rows = side_ == SplitSide::Left ? state_.NewTreeLines : state_.OldTreeLines;
  rows_ = static_cast<int>(rows.size());
  endResetModel();
  emit headerDataChanged(Qt::Horizontal, 0, 0);
}

int SplitListModel::WidestRow() const {
  const TreeNodeList& rows = side_ == SplitSide::Left ? state_.NewTreeLines : state_.OldTreeLines;
  std::size_t widest = 0;
  for (const TreeNode* row : rows) widest = std::max(widest, row->Text.size());
  // Row 0 of the stacked lists is a title of its own, which may be the widest row.
  const auto title = static_cast<std::size_t>(data(index(0, 0)).toString().size());
  return static_cast<int>(std::max(widest + kRowPrefix, title));
}

int SplitListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

QVariant SplitListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.column() != 0 || index.row() >= rows_) return {};
  const bool stacked = rules_ == SplitListRules::Stacked;
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(stacked ? HSplitRowText(state_, side_, index.row())
                          : SplitRowText(state_, side_, index.row()));
    case Qt::ForegroundRole:
      return EngineColor(stacked ? HSplitRowColor(state_, side_, index.row())
                                 : SplitRowColor(state_, side_, index.row()));
    default:
      return {};
  }
}

QVariant SplitListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (section != 0 || orientation != Qt::Horizontal) return {};
  if (role == Qt::DisplayRole) return header_;
  if (role == Qt::ForegroundRole) return kHeaderColour;
  return {};
}

Qt::ItemFlags SplitListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace kav::ui
