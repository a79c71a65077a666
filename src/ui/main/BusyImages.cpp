#include "ui/main/BusyImages.h"

#include <QPainter>
#include <QPainterPath>

namespace kav::ui {
namespace {

struct Pose {
  QPointF LeftHand, RightHand, LeftFoot, RightFoot, LeftKnee, RightKnee;
};

// Two strides of a stick figure drawn on a 32 x 32 grid.
constexpr Pose kPoses[2] = {
    {{8, 16}, {25, 11}, {6, 29}, {25, 30}, {10, 23}, {21, 25}},
    {{22, 17}, {10, 12}, {20, 30}, {11, 30}, {19, 24}, {13, 23}},
};

}  // namespace

QPixmap RunningManFrame(int frame) {
  const Pose& pose = kPoses[frame % 2];
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 128), 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(QColor(0, 0, 128));
  painter.drawEllipse(QPointF(17, 5), 3, 3);
  const QPointF neck(16.5, 10), hip(15, 19);
  painter.drawLine(neck, hip);
  painter.drawLine(QPointF(16, 12), pose.LeftHand);
  painter.drawLine(QPointF(16, 12), pose.RightHand);
  painter.drawLine(hip, pose.LeftKnee);
  painter.drawLine(pose.LeftKnee, pose.LeftFoot);
  painter.drawLine(hip, pose.RightKnee);
  painter.drawLine(pose.RightKnee, pose.RightFoot);
  return pixmap;
}

QPixmap AboutPicture() {
  QPixmap pixmap(96, 72);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  // Two folders, New in blue and Old in red, joined by the compare arrows.
  auto folder = [&painter](qreal x, const QColor& colour) {
    QPainterPath path;
    path.moveTo(x, 22);
    path.lineTo(x + 12, 22);
    path.lineTo(x + 16, 27);
    path.lineTo(x + 34, 27);
    path.lineTo(x + 34, 58);
    path.lineTo(x, 58);
    path.closeSubpath();
    painter.setPen(QPen(colour.darker(130), 1.5));
    painter.setBrush(colour);
    painter.drawPath(path);
  };
  folder(2, QColor(70, 110, 230));
  folder(60, QColor(220, 70, 60));
  painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(40, 36), QPointF(56, 36));
  painter.drawLine(QPointF(51, 32), QPointF(56, 36));
  painter.drawLine(QPointF(40, 46), QPointF(56, 46));
  painter.drawLine(QPointF(40, 46), QPointF(45, 50));
  return pixmap;
}

}  // namespace kav::ui
