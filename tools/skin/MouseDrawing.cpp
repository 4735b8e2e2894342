#include "MouseDrawing.h"

#include <QPainterPathStroker>
#include <QtMath>
#include <algorithm>

#include "MouseShapes.h"
#include "Painting.h"

namespace mousecfg::skin {
namespace {

const QColor kSeam("#07080a");
const QColor kShellEdge("#111317");
const QColor kShellCentre("#2c3038");

QLinearGradient shellGradient() {
  QLinearGradient g(QPointF(0, 0), QPointF(kMouseWidth, 0));
  g.setColorAt(0, kShellEdge);
  g.setColorAt(0.38, kShellCentre);
  g.setColorAt(0.62, kShellCentre);
  g.setColorAt(1, kShellEdge);
  return g;
}

void paintShadow(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  paintSoftShape(painter, s.body, QColor(0, 0, 0, palette.darkContent ? 170 : 95), 12,
                 QPointF(0, 10));
  if (palette.darkContent) paintSoftShape(painter, s.body, withAlpha(palette.accent, 46), 18);
}

void paintSideButton(QPainter& painter, const SkinPalette& palette, const QRectF& rect) {
  const QPainterPath shape = roundedRect(rect, 7);
  painter.fillPath(shape, verticalGradient(rect, QColor("#454b55"), QColor("#23262c")));
  painter.setPen(QPen(kSeam, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shape);
  painter.fillRect(QRectF(rect.left() + 4, rect.top() + 5, 1.2, rect.height() - 10),
                   withAlpha(palette.accent, 150));
}

void paintShell(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  painter.fillPath(s.body, shellGradient());
  QRadialGradient hump(QPointF(kMouseWidth / 2, 250), 120);
  hump.setColorAt(0, QColor(255, 255, 255, 30));
  hump.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillPath(s.body, hump);
  paintInnerShadow(painter, s.body, QColor(0, 0, 0, 150), 6, QPointF(0, 0));
  paintInnerShadow(painter, s.body, QColor(255, 255, 255, palette.darkContent ? 70 : 45), 2,
                   QPointF(1.5, 2));
}

void paintLightStrips(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  QPainterPathStroker stroker;
  stroker.setWidth(7);
  QPainterPath rear;
  rear.addRect(QRectF(-10, 196, kMouseWidth + 20, 150));
  const QPainterPath strip = stroker.createStroke(s.body).intersected(s.body).intersected(rear);
  paintSoftShape(painter, strip, withAlpha(palette.accent, 170), 4);
  QLinearGradient fade(QPointF(0, 196), QPointF(0, 346));
  fade.setColorAt(0, withAlpha(palette.accent, 0));
  fade.setColorAt(0.3, withAlpha(palette.accent, 200));
  fade.setColorAt(0.8, withAlpha(mix(palette.accent, Qt::white, 0.3), 230));
  fade.setColorAt(1, withAlpha(palette.accent, 0));
  QPainterPathStroker thin;
  thin.setWidth(3.5);
  painter.fillPath(thin.createStroke(s.body).intersected(s.body).intersected(rear), fade);
}

void paintMainButton(QPainter& painter, const QPainterPath& button) {
  const QRectF bounds = button.boundingRect();
  painter.fillPath(button, verticalGradient(bounds, QColor("#353a43"), QColor("#24272d")));
  paintInnerShadow(painter, button, QColor(255, 255, 255, 34), 1, QPointF(1, 1.5));
  paintInnerShadow(painter, button, QColor(0, 0, 0, 90), 4, QPointF(0, -2));
  painter.setPen(QPen(kSeam, 1.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(button);
}

void paintWheel(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  const QPainterPath channel = s.channel;
  painter.fillPath(channel, QColor("#0a0b0d"));
  QRadialGradient light(s.wheel.center(), 34);
  light.setColorAt(0, withAlpha(palette.accent, 150));
  light.setColorAt(1, withAlpha(palette.accent, 0));
  painter.save();
  painter.setClipPath(channel);
  painter.fillRect(QRectF(60, 30, 50, 90), light);
  painter.restore();
  paintInnerShadow(painter, channel, QColor(0, 0, 0, 200), 3, QPointF(0, 2));

  const QRectF wheel = s.wheel;
  const QPainterPath tyre = roundedRect(wheel, 6);
  QLinearGradient across(wheel.topLeft(), wheel.topRight());
  across.setColorAt(0, QColor("#15171b"));
  across.setColorAt(0.5, QColor("#5d646f"));
  across.setColorAt(1, QColor("#15171b"));
  painter.fillPath(tyre, across);
  painter.save();
  painter.setClipPath(tyre);
  for (qreal y = wheel.top() + 3; y < wheel.bottom() - 2; y += 3.5)
    painter.fillRect(QRectF(wheel.left(), y, wheel.width(), 1.1), QColor(0, 0, 0, 110));
  QLinearGradient ends(wheel.topLeft(), wheel.bottomLeft());
  ends.setColorAt(0, QColor(0, 0, 0, 150));
  ends.setColorAt(0.3, QColor(0, 0, 0, 0));
  ends.setColorAt(0.7, QColor(0, 0, 0, 0));
  ends.setColorAt(1, QColor(0, 0, 0, 150));
  painter.fillRect(wheel, ends);
  painter.restore();
  painter.fillRect(QRectF(wheel.left() - 2.5, wheel.top() + 8, 1, wheel.height() - 16),
                   withAlpha(palette.accent, 220));
  painter.fillRect(QRectF(wheel.right() + 1.5, wheel.top() + 8, 1, wheel.height() - 16),
                   withAlpha(palette.accent, 220));
}

void paintChevron(QPainter& painter, const QPointF& centre, bool up) {
  const qreal d = up ? -1 : 1;
  QPainterPath path;
  path.moveTo(centre + QPointF(-3.5, -1.8 * d));
  path.lineTo(centre + QPointF(0, 1.8 * d));
  path.lineTo(centre + QPointF(3.5, -1.8 * d));
  painter.save();
  painter.setPen(QPen(QColor("#aeb5bf"), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.restore();
}

void paintSmallButton(QPainter& painter, const QRectF& rect, qreal radius) {
  const QPainterPath shape = roundedRect(rect, radius);
  painter.fillPath(shape, verticalGradient(rect, QColor("#424852"), QColor("#2a2e35")));
  paintInnerShadow(painter, shape, QColor(255, 255, 255, 40), 1, QPointF(0.5, 1));
  painter.setPen(QPen(kSeam, 1.1));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(shape);
}

void paintDpiButtons(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  paintSmallButton(painter, s.dpiUp, 5);
  paintSmallButton(painter, s.dpiDown, 5);
  paintChevron(painter, s.dpiUp.center() + QPointF(0, 0.5), true);
  paintChevron(painter, s.dpiDown.center(), false);
  // DPI level indicator beside the buttons.
  for (int i = 0; i < 4; ++i) {
    QPainterPath dot;
    dot.addEllipse(QPointF(63, 114 + 10 * i), 1.7, 1.7);
    const int alpha = i < 3 ? 255 : 60;
    if (i < 3) paintSoftShape(painter, dot, withAlpha(palette.accent, 160), 2);
    painter.fillPath(dot, withAlpha(mix(palette.accent, Qt::white, 0.25), alpha));
  }
}

void paintFireButton(QPainter& painter, const SkinPalette& palette, const MouseShapes& s) {
  const QRectF bounds = s.fireButton.boundingRect();
  painter.fillPath(s.fireButton, verticalGradient(bounds, QColor("#454b55"), QColor("#262a30")));
  paintInnerShadow(painter, s.fireButton, QColor(255, 255, 255, 40), 1, QPointF(0.5, 1));
  painter.setPen(QPen(withAlpha(palette.accent, 230), 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(s.fireButton);
}

void paintLogo(QPainter& painter, const SkinPalette& palette, const QPointF& centre) {
  QPolygonF hexagon;
  for (int i = 0; i < 6; ++i) {
    const qreal angle = qDegreesToRadians(60.0 * i - 90.0);
    hexagon << centre + QPointF(9 * qCos(angle), 9 * qSin(angle));
  }
  QPainterPath ring;
  ring.addPolygon(hexagon);
  ring.closeSubpath();
  QPainterPathStroker stroker;
  stroker.setWidth(2);
  stroker.setJoinStyle(Qt::MiterJoin);
  const QPainterPath outline = stroker.createStroke(ring);
  paintSoftShape(painter, outline, withAlpha(palette.accent, 220), 4);
  painter.fillPath(outline, mix(palette.accent, Qt::white, 0.35));
  painter.fillPath(roundedRect(QRectF(centre.x() - 1.5, centre.y() - 4, 3, 8), 1.5),
                   withAlpha(mix(palette.accent, Qt::white, 0.35), 220));
}

}  // namespace

void paintMouse(QPainter& painter, const SkinPalette& palette, const QRectF& box) {
  const MouseShapes s = mouseShapes();
  const qreal scale = std::min(box.width() / kMouseWidth, box.height() / kMouseHeight);
  painter.save();
  painter.translate(box.center() - QPointF(kMouseWidth, kMouseHeight) * scale / 2);
  painter.scale(scale, scale);
  paintShadow(painter, palette, s);
  paintSideButton(painter, palette, s.sideForward);
  paintSideButton(painter, palette, s.sideBack);
  paintSideButton(painter, palette, s.rightFlank);
  paintShell(painter, palette, s);
  paintLightStrips(painter, palette, s);
  paintMainButton(painter, s.leftButton);
  paintMainButton(painter, s.rightButton);
  paintWheel(painter, palette, s);
  paintDpiButtons(painter, palette, s);
  paintFireButton(painter, palette, s);
  paintSmallButton(painter, s.palmLeft, 6);
  paintSmallButton(painter, s.palmRight, 6);
  paintLogo(painter, palette, s.logoCentre);
  painter.setPen(QPen(kSeam, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(s.body);
  painter.restore();
}

}  // namespace mousecfg::skin
