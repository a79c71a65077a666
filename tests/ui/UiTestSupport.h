#pragma once

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QTreeView>
#include <functional>
#include <string>

#include "ui/main/MessageBoxes.h"

namespace kav::test {

// The control named `name` under `window`: tests reach a window's controls by their given
// names, as a person finds them by their captions. Stops the test program when there is none.
template <typename Widget>
Widget* Named(const QObject& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
  if (widget == nullptr) qFatal("no control named %s", name);
  return widget;
}

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

// What is wrong with the "Fi&nd what:" label of a viewer's find dialog, or "" when it shows
// as "Find what:" (the n underlined, no '&') with Alt+N leading to the text box.
inline QString FindLabelFault(const QWidget& dialog) {
  const auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("FindText"));
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (label->text() != QStringLiteral("Fi&nd what:")) continue;
    if (label->buddy() != text) return QStringLiteral("the label has no buddy");
    QLabel shown(QStringLiteral("Find what:"));
    shown.setFont(label->font());
    if (label->sizeHint().width() != shown.sizeHint().width()) {
      return QStringLiteral("the label shows its '&'");
    }
    return {};
  }
  return QStringLiteral("no \"Fi&nd what:\" label");
}

// What is wrong with a shown report list's header band and horizontal scrolling, or "" when
// the band spans the whole list and `row` can be scrolled until its text ends in view.
inline QString HeaderBandFault(QTreeView& list, int row) {
  QCoreApplication::processEvents();  // the header follows the list's size a moment later
  if (list.header()->length() < list.viewport()->width()) {
    return QStringLiteral("the header band ends inside the list");
  }
  const QModelIndex index = list.model()->index(row, 0);
  const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
  const int text = list.fontMetrics().horizontalAdvance(index.data().toString()) + margin;
  list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
  if (list.visualRect(index).left() + text > list.viewport()->width()) {
    return QStringLiteral("the row's end cannot be scrolled into view");
  }
  return {};
}

inline QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace kav::test
