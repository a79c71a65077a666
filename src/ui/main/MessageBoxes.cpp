#include "ui/main/MessageBoxes.h"

#include <QMessageBox>

#include "core/CompareTypes.h"

namespace kav::ui {
namespace {

QString Title() {
  return QString::fromUtf8(ApplicationTitle.data(), static_cast<int>(ApplicationTitle.size()));
}

void BoxShow(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, Title(), text, QMessageBox::Ok);
}

bool BoxAsk(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, Title(), text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

MessageHooks& Current() {
  static MessageHooks hooks{BoxShow, BoxAsk};
  return hooks;
}

}  // namespace

MessageHooks SetMessageHooks(MessageHooks hooks) {
  MessageHooks old = Current();
  Current().Show = hooks.Show ? std::move(hooks.Show) : BoxShow;
  Current().Ask = hooks.Ask ? std::move(hooks.Ask) : BoxAsk;
  return old;
}

QString MessageText(std::string_view text) {
  QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void ShowOkMessage(QWidget* parent, std::string_view text) {
  Current().Show(parent, MessageText(text));
}

bool AskYesNoQuestion(QWidget* parent, std::string_view text) {
  return Current().Ask(parent, MessageText(text));
}

}  // namespace kav::ui
