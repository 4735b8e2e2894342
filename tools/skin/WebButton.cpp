#include "WebButton.h"

#include <QPainter>
#include <QPainterPath>

#include "WindowGeometry.h"

namespace mousecfg::skin {

namespace {

constexpr qreal kRadius = 8;
constexpr qreal kGlobeRadius = 10;

void paintGlobe(QPainter& painter, QPointF centre, const QColor& ink) {
  painter.setPen(QPen(ink, 1.6));
  painter.setBrush(Qt::NoBrush);
  const QRectF ball(centre.x() - kGlobeRadius, centre.y() - kGlobeRadius, 2 * kGlobeRadius,
                    2 * kGlobeRadius);
  painter.drawEllipse(ball);
  painter.drawEllipse(ball.adjusted(kGlobeRadius * 0.55, 0, -kGlobeRadius * 0.55, 0));
  painter.drawLine(QPointF(ball.left(), centre.y()), QPointF(ball.right(), centre.y()));
  painter.drawLine(QPointF(centre.x(), ball.top()), QPointF(centre.x(), ball.bottom()));
  const qreal latitude = kGlobeRadius * 0.5;
  const qreal halfWidth = kGlobeRadius * 0.86;
  painter.drawLine(QPointF(centre.x() - halfWidth, centre.y() - latitude),
                   QPointF(centre.x() + halfWidth, centre.y() - latitude));
  painter.drawLine(QPointF(centre.x() - halfWidth, centre.y() + latitude),
                   QPointF(centre.x() + halfWidth, centre.y() + latitude));
}

}  // namespace

QImage paintWebButton(const SkinPalette& palette, ButtonState state) {
  QImage image = paintCaptionButton(kWebButtonSize, palette, state, kRadius);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal drop = state == ButtonState::Pressed ? 1 : 0;
  paintGlobe(painter, QPointF(image.width() / 2.0, image.height() / 2.0 + drop), palette.accent);
  return image;
}

}  // namespace mousecfg::skin
