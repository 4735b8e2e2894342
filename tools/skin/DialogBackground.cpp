#include "DialogBackground.h"

#include "ContentCard.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {

QImage paintDialogBackground(const SkinPalette& palette) {
  QImage image = newCanvas(kDialogSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF frame(0, 0, kDialogSize.width(), kDialogSize.height());
  const QPainterPath shape = roundedRect(frame, 12);
  painter.fillPath(shape, palette.frameBase);
  painter.save();
  painter.setClipPath(shape);
  const QRectF header(0, 0, frame.width(), 40);
  painter.fillRect(header, verticalGradient(header, palette.headerTop, palette.headerBottom));
  QLinearGradient line(header.bottomLeft(), header.bottomRight());
  line.setColorAt(0, withAlpha(palette.accent, 0));
  line.setColorAt(0.5, withAlpha(palette.accent, 210));
  line.setColorAt(1, withAlpha(palette.accent, 0));
  painter.fillRect(QRectF(0, 39, frame.width(), 1), line);
  painter.restore();
  paintContentCard(painter, palette, QRectF(10, 50, frame.width() - 20, frame.height() - 60));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor("#050608"), 1));
  painter.drawRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), 11.5, 11.5);
  painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
  painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 10.5, 10.5);
  return image;
}

}  // namespace mousecfg::skin
