#include "AppIcon.h"

#include "MouseDrawing.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {

QImage paintAppIcon(const SkinPalette& palette, int pixels) {
  // Drawn at four times the size and scaled down, so the small parts blend smoothly.
  // The drawing is laid out on the 64-pixel grid of the window's icon.
  constexpr int kFactor = 4;
  const qreal scale = kFactor * pixels / qreal(kAppIconSize.width());
  QImage large = newCanvas(QSize(pixels, pixels) * kFactor);
  {
    QPainter painter(&large);
    prepare(painter);
    painter.scale(scale, scale);
    const QRectF tile(2, 2, 60, 60);
    const QPainterPath shape = roundedRect(tile, 14);
    painter.fillPath(shape, verticalGradient(tile, mix(palette.accent, Qt::white, 0.2),
                                             mix(palette.accentDeep, Qt::black, 0.35)));
    QRadialGradient sheen(QPointF(20, 8), 40);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(shape, sheen);
    painter.setPen(QPen(QColor(0, 0, 0, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), 13.5, 13.5);
    SkinPalette lit = palette;
    lit.accent = mix(palette.accent, Qt::white, 0.45);  // lights that show on the accent tile
    paintMouse(painter, lit, QRectF(17, 5, 30, 54));
  }
  return large.scaled(QSize(pixels, pixels), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace mousecfg::skin
