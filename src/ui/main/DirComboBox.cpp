#include "ui/main/DirComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace kav::ui {

DirComboBox::DirComboBox(QWidget* parent) : QComboBox(parent) {
  SetUpEditableCombo(this);
}

void DirComboBox::showPopup() {
  emit PopupOpening();
  QComboBox::showPopup();
}

void SetUpEditableCombo(QComboBox* combo) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(10);
  combo->setAcceptDrops(false);
  combo->lineEdit()->setAcceptDrops(false);
}

std::string ComboText(const QComboBox* combo) {
  return FromQt(combo->currentText());
}

void SetComboText(QComboBox* combo, const std::string& text) {
  combo->setEditText(ToQt(text));
}

StringList ComboItems(const QComboBox* combo) {
  StringList items;
  items.reserve(static_cast<std::size_t>(combo->count()));
  for (int i = 0; i < combo->count(); ++i) items.push_back(FromQt(combo->itemText(i)));
  return items;
}

void SetComboItems(QComboBox* combo, const StringList& items) {
  QLineEdit* edit = combo->lineEdit();
  const QString text = combo->currentText();
  const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
  QSignalBlocker block(combo);
  combo->clear();
  for (const std::string& item : items) combo->addItem(ToQt(item));
  if (!items.empty()) combo->setCurrentIndex(0);
  if (edit != nullptr) {
    combo->setEditText(text);
    edit->setCursorPosition(cursor);
  }
}

}  // namespace kav::ui
