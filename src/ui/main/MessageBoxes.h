#pragma once

#include <QString>
#include <functional>
#include <string_view>

class QWidget;

namespace kav::ui {

// How the program asks the user: an OK message and a Yes/No question. The defaults open
// QMessageBox; tests replace them so that no modal box ever waits for a person.
struct MessageHooks {
  std::function<void(QWidget* parent, const QString& text)> Show;
  std::function<bool(QWidget* parent, const QString& text)> Ask;  // true for Yes
};

// Installs `hooks` (an empty member keeps the box) and returns the ones it replaced.
MessageHooks SetMessageHooks(MessageHooks hooks);

// A message text as the boxes show it: the pieces joined by '\r' stand on their own lines, and
// bytes that are not UTF-8 are shown as replacement characters.
QString MessageText(std::string_view text);

void ShowOkMessage(QWidget* parent, std::string_view text);
bool AskYesNoQuestion(QWidget* parent, std::string_view text);

}  // namespace kav::ui
