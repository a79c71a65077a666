#include "ui/main/HintSwitch.h"

#include <QCoreApplication>
#include <QEvent>

namespace kav::ui {

HintSwitch::HintSwitch(QObject* parent) : QObject(parent) {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->installEventFilter(this);
  }
}

HintSwitch::~HintSwitch() {
  if (QCoreApplication::instance() != nullptr) {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

bool HintSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (!shown_ && event->type() == QEvent::ToolTip) return true;
  return QObject::eventFilter(watched, event);
}

}  // namespace kav::ui
