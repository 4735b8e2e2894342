#include "FrameButton.h"

#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

QColor plateColour(FrameButtonKind kind, FrameButtonState state) {
  const bool exit = kind == FrameButtonKind::Exit;
  switch (state) {
    case FrameButtonState::Normal:
      return QColor(255, 255, 255, 10);
    case FrameButtonState::Hover:
      return exit ? QColor("#e0434d") : QColor("#30353f");
    case FrameButtonState::Pressed:
      return exit ? QColor("#a92f37") : QColor("#23272e");
  }
  return Qt::transparent;
}

void paintGlyph(QPainter& painter, FrameButtonKind kind, const QColor& colour) {
  painter.save();
  painter.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap));
  const QPointF c(16, 16);
  if (kind == FrameButtonKind::Exit) {
    painter.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
    painter.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
  } else {
    painter.drawLine(c + QPointF(-5.5, 0.5), c + QPointF(5.5, 0.5));
  }
  painter.restore();
}

}  // namespace

QImage paintFrameButton(FrameButtonKind kind, FrameButtonState state, const SkinPalette& palette) {
  QImage image = newCanvas(kFrameButtonSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF plate(2, 2, 28, 28);
  const QPainterPath shape = roundedRect(plate, 7);
  painter.fillPath(shape, plateColour(kind, state));
  if (state == FrameButtonState::Normal) {
    strokeCrisp(painter, plate, 7, QColor(255, 255, 255, 26));
  } else if (state == FrameButtonState::Hover && kind == FrameButtonKind::Minimise) {
    strokeCrisp(painter, plate, 7, withAlpha(palette.accent, 160));
  } else if (state == FrameButtonState::Pressed) {
    paintInnerShadow(painter, shape, QColor(0, 0, 0, 110), 3, QPointF(0, 1));
  }
  const QColor glyph = state == FrameButtonState::Normal ? QColor("#b9c0ca") : QColor("#ffffff");
  paintGlyph(painter, kind, glyph);
  return image;
}

}  // namespace mousecfg::skin
