#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QString>
#include <cstdint>

#include "core/RunState.h"

namespace kav::ui {

// A colour value of the engine (red in the low byte, blue in the high byte) as a QColor.
QColor EngineColor(uint32_t value);

// The single list viewer's rows, read-only and virtual: it holds no text and answers each
// row from the report store when the view asks for it (text from SingleRowText, colour from
// SingleRowColor as the foreground role). The row count is taken when the model is reset, as
// the list's count is set when a report is shown.
class SingleListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit SingleListModel(RunState& state, QObject* parent = nullptr);

  // Takes the store's current row count and the header line.
  void Reset(const QString& header);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  RunState& state_;
  QString header_;
  int rows_ = 0;
};

}  // namespace kav::ui
