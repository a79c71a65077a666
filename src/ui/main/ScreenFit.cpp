#include "ui/main/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "ui/main/logic/WindowPlacement.h"

namespace kav::ui {
namespace {

ScreenRect Plain(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Where a dialog that was never moved opens: centred over its parent's window.
ScreenRect CentredOverParent(const QWidget& window, ScreenRect frame) {
  const QWidget* parent = window.parentWidget();
  if (parent == nullptr || window.testAttribute(Qt::WA_Moved)) return frame;
  const QRect owner = parent->window()->frameGeometry();
  frame.Left = owner.x() + (owner.width() - frame.Width) / 2;
  frame.Top = owner.y() + (owner.height() - frame.Height) / 2;
  return frame;
}

void Place(QWidget& window, const ScreenRect& frame) {
  const QList<QScreen*> screens = QGuiApplication::screens();
  std::vector<ScreenRect> areas;
  for (const QScreen* screen : screens) areas.push_back(Plain(screen->availableGeometry()));
  const int landing = LandingArea(frame, areas);
  if (landing < 0) return;
  const ScreenRect placed = PlaceOnScreen(frame, areas[static_cast<std::size_t>(landing)]);
  // The frame around the client area keeps its thickness when the window is cut down.
  const QSize border = window.frameGeometry().size() - window.size();
  if (placed.Width != frame.Width || placed.Height != frame.Height) {
    window.resize(placed.Width - border.width(), placed.Height - border.height());
  }
  window.move(placed.Left, placed.Top);
}

}  // namespace

void FitOnScreen(QWidget& window) {
  // A window that sizes itself to its contents takes that size before it is placed.
  if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
  Place(window, CentredOverParent(window, Plain(window.frameGeometry())));
}

void PlaceOnScreenAt(QWidget& window, int left, int top) {
  const QSize frame = window.frameGeometry().size();
  Place(window, {left, top, frame.width(), frame.height()});
}

}  // namespace kav::ui
