#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/RunState.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kav::ui {

// The printer spool limit dialog of the split viewer's plain print: print each job as one
// spool segment, or limit the segments (a page value that must be a non-zero number). It
// keeps its last choice between uses; closing it by either button stores the choice and the
// value in the run state (PrintAllPages, SegmentPagesText).
class TFrmPrntLmt : public QDialog {
  Q_OBJECT
 public:
  TFrmPrntLmt(RunState& state, QWidget* parent);

  // Fills the dialog from the run state and the page estimate text.
  void Prepare(const std::string& estimate);
  // Whether the limit choice is selected (the last choice, also when not shown this time).
  bool LimitChosen() const;

 public slots:
  void PrntButUseClick();

 protected:
  void done(int result) override;

 private:
  QLabel* PrntLblPages = nullptr;
  QRadioButton* PrntCkPrntAll = nullptr;
  QRadioButton* PrntCkUseLns = nullptr;
  QLineEdit* PrntEdLmtVal = nullptr;
  QPushButton* PrntButUse = nullptr;
  QPushButton* PrntButCancel = nullptr;

  RunState& state_;
};

// Opens the dialog modally with `estimate`; returns whether segments are limited, or nothing
// when the user cancelled.
std::optional<bool> AskSpoolLimit(TFrmPrntLmt& dialog, const std::string& estimate);

}  // namespace kav::ui
