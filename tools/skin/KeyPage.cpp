#include <QtMath>

#include "MouseDrawing.h"
#include "MouseShapes.h"
#include "PagePictures.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

// The mouse box and key rows relative to the content panel.
QRectF mouseBox() {
  return QRectF(kMouseBox.translated(-kContentPanel.topLeft()));
}

void paintSpotlight(QPainter& painter, const SkinPalette& palette, const QRectF& box) {
  const QPointF centre = box.center() + QPointF(0, 10 * box.height() / 380.0);
  const qreal scale = box.height() / 380.0;
  QRadialGradient spot(centre, 230 * scale);
  const QColor light = palette.darkContent ? QColor(255, 255, 255, 16) : QColor(255, 255, 255, 190);
  spot.setColorAt(0, light);
  spot.setColorAt(0.6, withAlpha(light, light.alpha() / 3));
  spot.setColorAt(1, withAlpha(light, 0));
  painter.fillRect(QRectF(0, 0, kContentPanel.width(), kContentCardHeight), spot);

  // A faint orbit with tick marks around the mouse.
  painter.save();
  const qreal radius = 196 * scale;
  const QColor ring = palette.darkContent ? QColor("#3a414d") : QColor("#c3c9d1");
  painter.setPen(QPen(ring, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
  painter.setPen(QPen(withAlpha(ring, 170), 1, Qt::DotLine));
  painter.drawEllipse(centre, radius - 26.5, radius - 26.5);
  for (int i = 0; i < 72; ++i) {
    const qreal angle = qDegreesToRadians(i * 5.0);
    const qreal inner = radius - (i % 6 == 0 ? 9 : 4);
    const QPointF dir(qCos(angle), qSin(angle));
    painter.setPen(QPen(i % 6 == 0 ? withAlpha(palette.accent, 190) : ring, 1));
    painter.drawLine(centre + dir * inner, centre + dir * (radius - 1));
  }
  painter.restore();
}

void paintLeader(QPainter& painter, const SkinPalette& palette, const QPointF& from,
                 const QPointF& elbow, const QPointF& to) {
  painter.save();
  painter.setPen(QPen(palette.leaderLine, 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  QPainterPath line(from);
  line.lineTo(elbow);
  line.lineTo(to);
  painter.drawPath(line);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.leaderLine);
  painter.drawEllipse(from, 2, 2);
  // The end on the mouse: a glowing accent ring.
  QPainterPath dot;
  dot.addEllipse(to, 3.6, 3.6);
  paintSoftShape(painter, dot, withAlpha(palette.accent, 200), 3);
  painter.setBrush(palette.accent);
  painter.drawEllipse(to, 3.6, 3.6);
  painter.setBrush(QColor("#ffffff"));
  painter.drawEllipse(to, 1.6, 1.6);
  painter.restore();
}

void paintLeaders(QPainter& painter, const SkinPalette& palette, const QRectF& box) {
  const auto anchors = mouseKeyAnchors();
  const qreal scale = box.width() / kMouseWidth;
  for (int i = 0; i < 2 * kKeysPerSide; ++i) {
    const bool left = i < kKeysPerSide;
    const int row = i % kKeysPerSide;
    const qreal y = kKeyFirstY + row * kKeyRowStep + kKeyLabelSize.height() / 2.0 + 0.5;
    const qreal labelEdge = left ? kKeyLeftX + kKeyLabelSize.width() + 4 : kKeyRightX - 4;
    const qreal elbowX = labelEdge + (left ? 16 : -16);
    const QPointF to = box.topLeft() + anchors[i] * scale;
    const QPointF panel = kContentPanel.topLeft();
    paintLeader(painter, palette, QPointF(labelEdge, y) - panel, QPointF(elbowX, y) - panel, to);
  }
}

}  // namespace

QImage paintKeyPage(const SkinPalette& palette) {
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const QRectF box = mouseBox();
  painter.save();
  painter.setClipPath(
      roundedRect(QRectF(0, 0, kContentPanel.width(), kContentCardHeight), kCardRadius));
  paintSpotlight(painter, palette, box);
  painter.restore();
  paintMouse(painter, palette, box);
  paintLeaders(painter, palette, box);
  return image;
}

}  // namespace mousecfg::skin
