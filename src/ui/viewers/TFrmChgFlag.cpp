#include "ui/viewers/TFrmChgFlag.h"

#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/main/QtText.h"
#include "ui/main/ScreenFit.h"
#include "ui/viewers/SingleListModel.h"
#include "ui/viewers/ViewerControls.h"
#include "ui/viewers/logic/LegendTexts.h"

namespace kav::ui {
namespace {

QPointer<TFrmChgFlag>& Legend() {
  static QPointer<TFrmChgFlag> legend;
  return legend;
}

QLabel* LegendLabel(QWidget* parent, std::string_view text, uint32_t colour, bool heading) {
  auto* label = ColoredLabel(parent, heading ? "LegendHeading" : "LegendText", ToQt(text),
                             EngineColor(colour));
  QFont font = label->font();
  font.setBold(true);
  font.setUnderline(heading);
  label->setFont(font);
  label->setTextFormat(Qt::PlainText);
  return label;
}

}  // namespace

TFrmChgFlag::TFrmChgFlag(QWidget* parent) : QDialog(parent) {
  Legend() = this;
  setObjectName(QStringLiteral("FrmChgFlag"));
  setWindowTitle(QStringLiteral("Kavdrift Change Flagging Legend"));
  setModal(false);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  int row = 0;
  for (const LegendGroup& group : ChangeFlagLegend()) {
    if (row > 0) grid->setRowMinimumHeight(row++, 8);
    grid->addWidget(LegendLabel(this, group.Heading, ColorBlack, true), row++, 0, 1, 2);
    for (const LegendEntry& entry : group.Entries) {
      if (entry.Key.empty()) {
        grid->addWidget(LegendLabel(this, entry.Explanation, entry.Color, false), row++, 0, 1, 2);
        continue;
      }
      grid->addWidget(LegendLabel(this, entry.Key, entry.Color, false), row, 0);
      grid->addWidget(LegendLabel(this, entry.Explanation, entry.Color, false), row++, 1);
    }
  }
  grid->setColumnStretch(1, 1);

  ButClose = ViewerButton(this, "ButClose", "&Return");
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(ButClose, 0, Qt::AlignHCenter);
  connect(ButClose, &QPushButton::clicked, this, &TFrmChgFlag::ButCloseClick);
}

void TFrmChgFlag::ButCloseClick() {
  hide();
}

void ShowChangeFlagLegend(QWidget* viewer) {
  QPointer<TFrmChgFlag>& legend = Legend();
  if (legend.isNull()) return;
  if (legend->parentWidget() != viewer) {
    // A window is blocked by a modal window unless it is a child of it.
    const QPoint place = legend->pos();
    const bool placed = legend->testAttribute(Qt::WA_Moved);
    legend->setParent(viewer, legend->windowFlags());
    if (placed) legend->move(place);
  }
  FitOnScreen(*legend);
  legend->show();
  legend->raise();
}

TFrmChgFlag* ChangeFlagLegendWindow() {
  return Legend().data();
}

}  // namespace kav::ui
