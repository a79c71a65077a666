#pragma once

#include <QAbstractListModel>
#include <functional>
#include <string>

namespace kav::ui {

// A read-only list model over rows the window keeps itself: it asks for a row's text only when
// a view paints that row, so a list of 100,000 names costs one reset, not 100,000 items.
class SelectListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using RowText = std::function<std::string(int row)>;

  SelectListModel(RowText text, QObject* parent);

  // The kept rows changed: `rows` of them now.
  void Reset(int rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  RowText text_;
  int rows_ = 0;
};

}  // namespace kav::ui
