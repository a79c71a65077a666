#include "ui/viewers/StateImages.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "ui/viewers/logic/GraphFileList.h"

namespace kav::ui {
namespace {

enum class Mark { None, Star, Plus, Minus };

struct ImageLook {
  bool folder = true;
  QColor ink;
  Mark mark = Mark::None;
};

ImageLook LookOf(int image) {
  const QColor black(0, 0, 0), blue(0, 0, 255), red(220, 0, 0);
  switch (image) {
    case GraphImageDirPaired:
      return {true, black, Mark::None};
    case GraphImageDirChanged:
      return {true, black, Mark::Star};
    case GraphImageDirDeleted:
      return {true, red, Mark::Minus};
    case GraphImageDirInserted:
      return {true, blue, Mark::Plus};
    case GraphImageFileEqual:
      return {false, black, Mark::None};
    case GraphImageFileDeleted:
      return {false, red, Mark::Minus};
    case GraphImageFileInserted:
      return {false, blue, Mark::Plus};
    default:
      return {false, black, Mark::Star};
  }
}

// Shapes in a 16 x 16 design grid, scaled to the pixmap.
void DrawFolder(QPainter& p, const QColor& ink) {
  QPainterPath body;
  body.moveTo(0.5, 3.5);
  body.lineTo(5.5, 3.5);
  body.lineTo(7.0, 5.0);
  body.lineTo(15.5, 5.0);
  body.lineTo(15.5, 14.5);
  body.lineTo(0.5, 14.5);
  body.closeSubpath();
  p.setPen(QPen(ink, 1.0));
  p.setBrush(QColor(255, 226, 140));
  p.drawPath(body);
}

void DrawPage(QPainter& p, const QColor& ink) {
  QPainterPath page;
  page.moveTo(2.5, 0.5);
  page.lineTo(10.0, 0.5);
  page.lineTo(13.5, 4.0);
  page.lineTo(13.5, 15.5);
  page.lineTo(2.5, 15.5);
  page.closeSubpath();
  p.setPen(QPen(ink, 1.0));
  p.setBrush(Qt::white);
  p.drawPath(page);
}

void DrawMark(QPainter& p, Mark mark, const QColor& ink, const QPointF& centre) {
  if (mark == Mark::None) return;
  if (mark == Mark::Star) {
    // An asterisk of three strokes, thin enough to stay a star at 16 pixels.
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    const double r = 4.0;
    for (double degrees : {90.0, 30.0, 150.0}) {
      const double radians = degrees * 3.14159265358979 / 180.0;
      const QPointF arm(r * std::cos(radians), r * std::sin(radians));
      p.drawLine(centre - arm, centre + arm);
    }
    return;
  }
  p.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::FlatCap));
  const double r = 3.5;
  p.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
  if (mark == Mark::Plus) {
    p.drawLine(QPointF(centre.x(), centre.y() - r), QPointF(centre.x(), centre.y() + r));
  }
}

QPixmap Draw(int image, int pixels) {
  QPixmap pixmap(pixels, pixels);
  pixmap.fill(Qt::transparent);
  const ImageLook look = LookOf(image);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(pixels / 16.0, pixels / 16.0);
  if (look.folder) {
    DrawFolder(p, look.ink);
    DrawMark(p, look.mark, look.ink, QPointF(8.0, 9.75));
  } else {
    DrawPage(p, look.ink);
    DrawMark(p, look.mark, look.ink, QPointF(8.0, 9.0));
  }
  return pixmap;
}

}  // namespace

QIcon GraphStateIcon(int image) {
  static QHash<int, QIcon> icons;
  if (image < GraphImageDirPaired || image > GraphImageFileChanged) return {};
  auto found = icons.find(image);
  if (found != icons.end()) return *found;
  QIcon icon;
  for (int pixels : {16, 24, 32, 48}) icon.addPixmap(Draw(image, pixels));
  icons.insert(image, icon);
  return icon;
}

}  // namespace kav::ui
