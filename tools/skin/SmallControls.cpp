#include "SmallControls.h"

#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

QLinearGradient accentFill(const SkinPalette& palette, const QRectF& rect) {
  return verticalGradient(rect, mix(palette.accent, Qt::white, 0.18), palette.accentDeep);
}

QLinearGradient emptyFill(const SkinPalette& palette, const QRectF& rect) {
  return verticalGradient(rect, palette.darkContent ? palette.tickFill : QColor("#e9ecef"),
                          palette.tickFill);
}

void paintTick(QPainter& painter) {
  QPainterPath tick;
  tick.moveTo(4.8, 9.3);
  tick.lineTo(7.6, 12.1);
  tick.lineTo(13.2, 5.9);
  painter.save();
  painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(tick);
  painter.restore();
}

}  // namespace

QImage paintCheckBox(const SkinPalette& palette, bool checked) {
  QImage image = newCanvas(kTickSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF box(1, 1, 16, 16);
  const QPainterPath shape = roundedRect(box, 4);
  if (checked) {
    painter.fillPath(shape, accentFill(palette, box));
    strokeCrisp(painter, box, 4, palette.accentDeep);
    paintTopHighlight(painter, box.adjusted(1, 0, -1, 0), 3, QColor(255, 255, 255, 120));
    paintTick(painter);
  } else {
    painter.fillPath(shape, emptyFill(palette, box));
    paintInnerShadow(painter, shape, QColor(0, 0, 0, palette.darkContent ? 110 : 40), 2,
                     QPointF(0, 1));
    strokeCrisp(painter, box, 4, palette.tickBorder);
  }
  return image;
}

QImage paintRadio(const SkinPalette& palette, bool chosen) {
  QImage image = newCanvas(kTickSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF ring(1, 1, 16, 16);
  QPainterPath shape;
  shape.addEllipse(ring);
  painter.fillPath(shape, emptyFill(palette, ring));
  paintInnerShadow(painter, shape, QColor(0, 0, 0, palette.darkContent ? 110 : 40), 2,
                   QPointF(0, 1));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(chosen ? palette.accentDeep : palette.tickBorder, 1));
  painter.drawEllipse(ring.adjusted(0.5, 0.5, -0.5, -0.5));
  if (chosen) {
    const QRectF dot(5, 5, 8, 8);
    QPainterPath glow;
    glow.addEllipse(dot);
    paintSoftShape(painter, glow, withAlpha(palette.accent, 120), 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(accentFill(palette, dot));
    painter.drawEllipse(dot);
  }
  return image;
}

QImage paintGroove(const SkinPalette& palette, bool lit) {
  QImage image = newCanvas(kGrooveSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF groove(0.5, 1, kGrooveSize.width() - 1, 6);
  const QPainterPath shape = roundedRect(groove, 3);
  if (lit) {
    QLinearGradient fill(groove.topLeft(), groove.topRight());
    fill.setColorAt(0, palette.accentDeep);
    fill.setColorAt(1, mix(palette.accent, Qt::white, 0.15));
    painter.fillPath(shape, fill);
    painter.fillRect(QRectF(3, 1.5, groove.width() - 6, 1), QColor(255, 255, 255, 90));
  } else {
    painter.fillPath(shape, palette.grooveOff);
    paintInnerShadow(painter, shape, QColor(0, 0, 0, palette.darkContent ? 120 : 60), 1,
                     QPointF(0, 1));
  }
  return image;
}

}  // namespace mousecfg::skin
