#include "CaptionButton.h"

#include "Painting.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kInset = 3;  // room for the glow of the selected state

void paintBody(QPainter& painter, const QRectF& body, qreal radius, const QColor& top,
               const QColor& bottom, const QColor& border, const QColor& highlight) {
  const QPainterPath shape = roundedRect(body, radius);
  painter.fillPath(shape, verticalGradient(body, top, bottom));
  strokeCrisp(painter, body, radius, border);
  paintTopHighlight(painter, body.adjusted(1, 0, -1, 0), radius - 1, highlight);
}

void paintAccentBody(QPainter& painter, const SkinPalette& palette, const QRectF& body,
                     qreal radius, bool pressed) {
  const QPainterPath shape = roundedRect(body, radius);
  if (!pressed) paintSoftShape(painter, shape, palette.accentGlow, 4);
  const QColor top =
      pressed ? mix(palette.selectedTop, palette.selectedBottom, 0.5) : palette.selectedTop;
  const QColor bottom =
      pressed ? mix(palette.selectedBottom, Qt::black, 0.12) : palette.selectedBottom;
  painter.fillPath(shape, verticalGradient(body, top, bottom));
  if (pressed) paintInnerShadow(painter, shape, QColor(0, 0, 0, 70), 3, QPointF(0, 1));
  const QColor border = palette.darkContent ? palette.accent : palette.accentDeep;
  strokeCrisp(painter, body, radius, border);
  if (!pressed)
    paintTopHighlight(painter, body.adjusted(1, 0, -1, 0), radius - 1,
                      QColor(255, 255, 255, palette.darkContent ? 70 : 170));
}

}  // namespace

QImage paintCaptionButton(QSize size, const SkinPalette& palette, ButtonState state, qreal radius) {
  QImage image = newCanvas(size);
  QPainter painter(&image);
  prepare(painter);
  const QRectF body = QRectF(QPointF(0, 0), size).adjusted(kInset, kInset, -kInset, -kInset);
  const QPainterPath shape = roundedRect(body, radius);
  switch (state) {
    case ButtonState::Normal:
      paintSoftShape(painter, shape, QColor(0, 0, 0, 70), 2, QPointF(0, 1));
      paintBody(painter, body, radius, palette.buttonTop, palette.buttonBottom,
                palette.buttonBorder, palette.buttonHighlight);
      break;
    case ButtonState::Hover:
      paintSoftShape(painter, shape, withAlpha(palette.accent, 80), 3);
      paintBody(painter, body, radius, palette.hoverTop, palette.hoverBottom, palette.accent,
                palette.buttonHighlight);
      break;
    case ButtonState::Selected:
      paintAccentBody(painter, palette, body, radius, false);
      break;
    case ButtonState::Pressed:
      paintAccentBody(painter, palette, body, radius, true);
      break;
  }
  return image;
}

}  // namespace mousecfg::skin
