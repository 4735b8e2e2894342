#include "BrandMark.h"

#include <QtMath>

#include "Painting.h"

namespace mousecfg::skin {
namespace {

QPainterPath hexagon(const QPointF& centre, qreal radius) {
  QPolygonF corners;
  for (int i = 0; i < 6; ++i) {
    const qreal angle = qDegreesToRadians(60.0 * i - 90.0);
    corners << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
  }
  corners << corners.first();
  QPainterPath path;
  path.addPolygon(corners);
  path.closeSubpath();
  return path;
}

void paintMouseGlyph(QPainter& painter, const SkinPalette& palette, const QPointF& centre) {
  const QRectF body(centre.x() - 5.5, centre.y() - 8.5, 11, 17);
  painter.save();
  painter.setPen(QPen(palette.accent, 1.6));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(body, 5.5, 5.5);
  painter.drawLine(QPointF(centre.x(), body.top() + 1), QPointF(centre.x(), centre.y() - 2.5));
  painter.restore();
}

}  // namespace

void paintBrandMark(QPainter& painter, const SkinPalette& palette, const QRectF& box) {
  const QPointF centre = box.center();
  const qreal radius = box.width() / 2 - 1.5;
  const QPainterPath outer = hexagon(centre, radius);
  paintSoftShape(painter, outer, withAlpha(palette.accent, 90), 5);
  painter.fillPath(outer, verticalGradient(box, QColor("#2c313a"), QColor("#15171c")));
  QLinearGradient ring(box.topLeft(), box.bottomRight());
  ring.setColorAt(0, mix(palette.accent, Qt::white, 0.35));
  ring.setColorAt(1, palette.accentDeep);
  painter.save();
  painter.setPen(QPen(QBrush(ring), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(hexagon(centre, radius - 1));
  painter.restore();
  paintMouseGlyph(painter, palette, centre);
}

}  // namespace mousecfg::skin
