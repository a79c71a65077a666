#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QWidget>

namespace kav::ui {

// Creates a control on a fixed page: its object name is the control's name, its hint the
// tooltip, and it stands at the given place.
template <typename Widget>
Widget* Place(QWidget* page, const char* name, const QRect& where, const char* hint = nullptr) {
  auto* widget = new Widget(page);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(where);
  if (hint != nullptr) widget->setToolTip(QString::fromUtf8(hint));
  return widget;
}

inline QLabel* PlaceLabel(QWidget* page, const char* name, const QRect& where, const char* caption,
                          const char* hint = nullptr) {
  auto* label = Place<QLabel>(page, name, where, hint);
  label->setText(QString::fromUtf8(caption));
  return label;
}

inline QPushButton* PlaceButton(QWidget* page, const char* name, const QRect& where,
                                const char* caption, const char* hint = nullptr) {
  auto* button = Place<QPushButton>(page, name, where, hint);
  button->setText(QString::fromUtf8(caption));
  return button;
}

}  // namespace kav::ui
