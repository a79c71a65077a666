// The directory select page's drags: the directory list starts one once the mouse has moved
// far enough, and the New and Old combos and buttons take one from that list only. Every key
// pressed in the page's combos that types nothing (Tab aside, which moves the focus) acts as
// Home.
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>

#include "ui/main/DirComboBox.h"
#include "ui/main/DirSelectPage.h"
#include "ui/main/logic/DirSelectRules.h"

namespace kav::ui {

bool DirSelectPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DsDirectoryListBox1->viewport()) return DragFilter(watched, event);
  if (event->type() == QEvent::KeyPress &&
      (watched == DsInDirN->lineEdit() || watched == DsInDirO->lineEdit())) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool moves = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (moves || !key->text().isEmpty()) return false;
    static_cast<QLineEdit*>(watched)->home(false);
    return true;
  }
  return DropFilter(watched, event);
}

bool DirSelectPage::DragFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    auto* press = static_cast<QMouseEvent*>(event);
    pressed_ = press->button() == Qt::LeftButton;
    pressedAt_ = press->position().toPoint();
    return false;
  }
  if (event->type() == QEvent::MouseButtonRelease) pressed_ = false;
  if (event->type() != QEvent::MouseMove || !pressed_) return false;
  const QPoint moved = static_cast<QMouseEvent*>(event)->position().toPoint() - pressedAt_;
  if (!DragStarts(moved.x(), moved.y())) return false;
  pressed_ = false;
  auto* drag = new QDrag(DsDirectoryListBox1);
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(DirListDragMime), QByteArray::fromStdString(selected_));
  drag->setMimeData(mime);
  drag->exec(Qt::CopyAction);
  return true;
}

bool DirSelectPage::DropFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
  auto* drop = static_cast<QDropEvent*>(event);
  if (!drop->mimeData()->hasFormat(QString::fromLatin1(DirListDragMime))) {
    drop->ignore();
    return true;
  }
  drop->acceptProposedAction();
  if (type == QEvent::Drop) {
    const bool newSide =
        watched == DsInDirN || watched == DsInDirN->lineEdit() || watched == DsButUseAsNewDir;
    CarryByDrop(newSide);
  }
  return true;
}

}  // namespace kav::ui
