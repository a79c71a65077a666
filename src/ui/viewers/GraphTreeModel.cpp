#include "ui/viewers/GraphTreeModel.h"

#include "ui/main/QtText.h"
#include "ui/viewers/StateImages.h"

namespace kav::ui {

GraphTreeModel::GraphTreeModel(const RunState& state, QObject* parent)
    : QAbstractItemModel(parent), state_(state) {}

void GraphTreeModel::Reset() {
  beginResetModel();
  // A copy: the model must stay consistent even if the run state's tree changes while the
  // view still holds indexes into it.
  nodes_ = state_.CombinedTree;
  roots_.clear();
  rowInParent_.assign(nodes_.size(), 0);
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    const DirViewNode& node = nodes_[i];
    if (node.Parent < 0) {
      rowInParent_[i] = static_cast<int32_t>(roots_.size());
      roots_.push_back(static_cast<int32_t>(i));
    }
    for (std::size_t row = 0; row < node.Children.size(); ++row) {
      rowInParent_[static_cast<std::size_t>(node.Children[row])] = static_cast<int32_t>(row);
    }
  }
  endResetModel();
}

void GraphTreeModel::Clear() {
  beginResetModel();
  nodes_.clear();
  roots_.clear();
  rowInParent_.clear();
  endResetModel();
}

const DirViewNode& GraphTreeModel::Node(const QModelIndex& index) const {
  return nodes_[static_cast<std::size_t>(index.internalId())];
}

const std::vector<int32_t>& GraphTreeModel::ChildrenOf(const QModelIndex& parent) const {
  return parent.isValid() ? Node(parent).Children : roots_;
}

QModelIndex GraphTreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || (parent.isValid() && parent.column() != 0)) return {};
  const std::vector<int32_t>& children = ChildrenOf(parent);
  if (static_cast<std::size_t>(row) >= children.size()) return {};
  return createIndex(row, 0, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex GraphTreeModel::parent(const QModelIndex& child) const {
  if (!child.isValid()) return {};
  const int32_t parent = Node(child).Parent;
  if (parent < 0) return {};
  return createIndex(rowInParent_[static_cast<std::size_t>(parent)], 0,
                     static_cast<quintptr>(parent));
}

int GraphTreeModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() && parent.column() != 0) return 0;
  return static_cast<int>(ChildrenOf(parent).size());
}

int GraphTreeModel::columnCount(const QModelIndex&) const {
  return 1;
}

QVariant GraphTreeModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const DirViewNode& node = Node(index);
  switch (role) {
    case Qt::DisplayRole:
      return ToQt(node.Title);
    case Qt::DecorationRole:
      return GraphStateIcon(node.StateIndex);
    case RecordRole:
      return node.RowIndex;
    case StateRole:
      return node.StateIndex;
    default:
      return {};
  }
}

Qt::ItemFlags GraphTreeModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (Node(index).Children.empty()) flags |= Qt::ItemNeverHasChildren;
  return flags;
}

}  // namespace kav::ui
