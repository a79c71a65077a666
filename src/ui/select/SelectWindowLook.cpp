#include "ui/select/SelectWindowLook.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>

#include "ui/select/SelectControls.h"

namespace kav::ui {

void SetSelectWindowLook(QDialog& window, QSize designSize) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(12);
  window.setFont(font);
  window.setMinimumSize(designSize);
  window.resize(designSize);
}

QHBoxLayout* CountRow(QWidget* parent, const char* name, const char* caption, QLabel* value) {
  auto* row = new QHBoxLayout;
  row->addWidget(SelectLabel(parent, name, QString::fromLatin1(caption)));
  row->addWidget(value);
  row->addStretch();
  return row;
}

}  // namespace kav::ui
