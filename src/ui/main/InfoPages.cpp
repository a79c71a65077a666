#include <QPlainTextEdit>

#include "core/CompareTypes.h"
#include "ui/main/BusyImages.h"
#include "ui/main/MainPages.h"
#include "ui/main/PageWidgets.h"
#include "ui/main/QtText.h"

namespace kav::ui {

void BuildAboutPage(QWidget* page, InfoPagesControls& controls) {
  QLabel* product = PlaceLabel(page, "AbLblProduct", {0, 24, 492, 36}, "Kavendrift");
  QFont big = product->font();
  big.setPixelSize(28);
  big.setBold(true);
  product->setFont(big);
  product->setAlignment(Qt::AlignCenter);

  QLabel* picture = Place<QLabel>(page, "AbImage", {198, 70, 96, 72});
  picture->setPixmap(AboutPicture());

  QLabel* text = PlaceLabel(page, "AbLblText", {0, 152, 492, 60},
                            "A Kavendri utility to compare files at the\n"
                            "single/multi-directory level detecting\n"
                            "directory and file differences");
  text->setAlignment(Qt::AlignCenter);

  const std::string version = ":   " + std::string(VersionText);
  controls.AbLblVersion = PlaceLabel(page, "AbLblVersion", {0, 224, 492, 20}, version.c_str());
  controls.AbLblVersion->setAlignment(Qt::AlignCenter);
  QLabel* maker = PlaceLabel(page, "AbLblMaker", {0, 252, 492, 20}, "Kavendri Inc.");
  maker->setAlignment(Qt::AlignCenter);

  controls.AbButReturn =
      PlaceButton(page, "AbButReturn", {8, 354, 96, 26}, "&Return", "Returns to the Main Panel");
}

void BuildOverviewPage(QWidget* page, InfoPagesControls& controls) {
  controls.OvMemo1 = Place<QPlainTextEdit>(page, "OvMemo1", {6, 6, 484, 340});
  controls.OvMemo1->setReadOnly(true);
  controls.OvMemo1->setAcceptDrops(false);
  controls.OvMemo1->setPlainText(QString::fromUtf8(OverviewText()));
  controls.OvBitReturn =
      PlaceButton(page, "OvBitReturn", {8, 354, 96, 26}, "&Return", "Return to Main Panel");
}

}  // namespace kav::ui
