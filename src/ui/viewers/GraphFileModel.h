#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "ui/viewers/logic/GraphFileList.h"

namespace kav::ui {

// The file list of the tree graph viewer (GrListView): one row per listed file, columns
// "File Name          ", "Size" and "Date", the file's change image beside its name.
class GraphFileModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit GraphFileModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetRows(std::vector<GraphFileRow> rows);
  void Clear() { SetRows({}); }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  std::vector<GraphFileRow> rows_;
};

}  // namespace kav::ui
