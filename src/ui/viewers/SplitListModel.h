#pragma once

#include <QAbstractListModel>
#include <QString>

#include "core/RunState.h"
#include "report/SplitRows.h"

namespace kav::ui {

// Which viewer's rules a split list follows: the vertical split viewer's, or the horizontal
// (stacked) viewer's, which titles row 0 and colours the top list's text rows its own way.
enum class SplitListRules { SideBySide, Stacked };

// One list of a split viewer, read-only and virtual: the rows of NewTreeLines (Left) or
// OldTreeLines (Right), answered by index when the view asks. The foreground role is the row
// colour, which is also written into the row's record. The row count is taken at Reset.
class SplitListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  SplitListModel(RunState& state, SplitSide side, SplitListRules rules, QObject* parent = nullptr);

  // Takes the list's current row count and header line.
  void Reset(const QString& header);
  // The widest row's length in characters, for the column width.
  int WidestRow() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  RunState& state_;
  SplitSide side_;
  SplitListRules rules_;
  QString header_;
  int rows_ = 0;
};

}  // namespace kav::ui
