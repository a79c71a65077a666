#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "core/RunState.h"

namespace kav::ui {

// The combined directory nodes of a type 2 run (GrTreeView) as a read-only tree model over
// State.CombinedTree: the title as text, the state image as decoration, and the index of the
// directory's record in NewTreeLines under RecordRole. The tree is taken at Reset.
class GraphTreeModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  static constexpr int RecordRole = Qt::UserRole + 1;
  static constexpr int StateRole = Qt::UserRole + 2;

  explicit GraphTreeModel(const RunState& state, QObject* parent = nullptr);

  // Takes the run state's combined tree as it is now; Clear shows none.
  void Reset();
  void Clear();

  QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const DirViewNode& Node(const QModelIndex& index) const;
  const std::vector<int32_t>& ChildrenOf(const QModelIndex& parent) const;

  const RunState& state_;
  std::vector<DirViewNode> nodes_;
  std::vector<int32_t> roots_;
  std::vector<int32_t> rowInParent_;
};

}  // namespace kav::ui
