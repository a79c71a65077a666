#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/RunState.h"
#include "ui/viewers/logic/SbsDialogLogic.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kav::ui {

// What the user chose in the side-by-side save dialog.
struct SbsChoice {
  SbsLayout Layout = SbsLayout::Stacked;
  int SideWidth = 0;
  bool TitleChecked = false;
  std::string Title;
  bool Append = false;
};

// The side-by-side save dialog: stacked or side-by-side layout for saving a split report, the
// width of each side with the combined line size it gives, an optional title line and
// whether to append. Side widths that are not valid are reset to the widest row with a
// message; "&Use" refuses, for the side-by-side layout, a width above the widest row.
class TFrmSbS : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmSbS(QWidget* parent);

  // Fills the dialog for a save: the widest row as the side width and the stacked size, the
  // combined size, the layout last chosen, and the append box enabled only when the target
  // file exists.
  void Prepare(int maxRowWidth, bool stacked, bool appendEnabled);
  SbsChoice Choice() const;

 public slots:
  void SbsEdSideChange();
  void SbsButUseClick();

 private:
  QRadioButton* SbsRdSingle = nullptr;
  QRadioButton* SbsRdDouble = nullptr;
  QLineEdit* SbsEdSide = nullptr;
  QLabel* SbsLblCmbSz = nullptr;
  QLabel* SbsLblStkSz = nullptr;
  QCheckBox* SbsCkTitle = nullptr;
  QLineEdit* SbsEdTitle = nullptr;
  QCheckBox* SbsCkAppend = nullptr;
  QPushButton* SbsButUse = nullptr;
  QPushButton* SbsButCancel = nullptr;

  int maxRowWidth_ = 0;
};

// Opens the dialog modally for a split report save (MaxRowWidth and SaveStacked from the run
// state); on "&Use" keeps the layout in SaveStacked and returns the choice, on "&Cancel"
// returns nothing.
std::optional<SbsChoice> AskSideBySideSave(TFrmSbS& dialog, RunState& state, bool targetExists);

}  // namespace kav::ui
