#include "AppIcon.h"

#include "MouseDrawing.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {

QImage paintAppIcon(const SkinPalette& palette) {
  // Drawn at four times the size and scaled down, so the small parts blend smoothly.
  constexpr int kFactor = 4;
  QImage large = newCanvas(kAppIconSize * kFactor);
  {
    QPainter painter(&large);
    prepare(painter);
    painter.scale(kFactor, kFactor);
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
  return large.scaled(kAppIconSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace mousecfg::skin
