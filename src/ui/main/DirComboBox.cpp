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

namespace {

// The bytes a text was given as, kept beside what the combo shows: a name that is not valid
// UTF-8 shows with replacement characters, and only these bytes still name the directory.
constexpr char TextBytes[] = "kavdriftTextBytes";

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ItemBytes(const QComboBox* combo, int index) {
  const QVariant bytes = combo->itemData(index);
  if (!bytes.isValid()) return FromQt(combo->itemText(index));
  return bytes.toByteArray().toStdString();
}

}  // namespace

std::string ComboText(const QComboBox* combo) {
  const QString shown = combo->currentText();
  const QVariant given = combo->property(TextBytes);
  if (given.isValid() && ToQt(given.toByteArray().toStdString()) == shown) {
    return given.toByteArray().toStdString();
  }
  const int item = combo->findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (item >= 0) return ItemBytes(combo, item);
  return FromQt(shown);
}

void SetComboText(QComboBox* combo, const std::string& text) {
  combo->setProperty(TextBytes, Bytes(text));
  combo->setEditText(ToQt(text));
}

StringList ComboItems(const QComboBox* combo) {
  StringList items;
  items.reserve(static_cast<std::size_t>(combo->count()));
  for (int i = 0; i < combo->count(); ++i) items.push_back(ItemBytes(combo, i));
  return items;
}

void SetComboItems(QComboBox* combo, const StringList& items) {
  QLineEdit* edit = combo->lineEdit();
  const QString text = combo->currentText();
  const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
  QSignalBlocker block(combo);
  combo->clear();
  for (const std::string& item : items) combo->addItem(ToQt(item), Bytes(item));
  if (!items.empty()) combo->setCurrentIndex(0);
  if (edit != nullptr) {
    combo->setEditText(text);
    edit->setCursorPosition(cursor);
  }
}

void RememberInComboHistory(QComboBox* combo, const FileSystem& fs, const std::string& text,
                            HistoryAccepts accepts) {
  if (!HistoryAcceptsPath(fs, text, accepts)) return;
  StringList history = ComboItems(combo);
  if (AddToDirHistory(history, text)) SetComboItems(combo, history);
}

}  // namespace kav::ui
