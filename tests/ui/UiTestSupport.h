#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

#include "ui/main/MessageBoxes.h"

namespace kav::test {

// Routes the program's message boxes into lists for the life of the object, so that no test
// ever waits on a modal box. Questions are answered with `answer`; `onMessage` lets a test act
// when a message comes (for instance close a window).
class RecordedMessages {
 public:
  RecordedMessages() {
    old_ = ui::SetMessageHooks({[this](QWidget*, const QString& text) {
                                  shown.append(text);
                                  if (onMessage) onMessage(text);
                                },
                                [this](QWidget*, const QString& text) {
                                  asked.append(text);
                                  return answer;
                                }});
  }
  ~RecordedMessages() { ui::SetMessageHooks(old_); }
  RecordedMessages(const RecordedMessages&) = delete;
  RecordedMessages& operator=(const RecordedMessages&) = delete;

  QStringList shown;
  QStringList asked;
  bool answer = true;
  std::function<void(const QString&)> onMessage;

 private:
  ui::MessageHooks old_;
};

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace kav::test
