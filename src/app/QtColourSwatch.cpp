#include "app/QtColourSwatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace mousecfg {

namespace {

constexpr qreal kRadius = 4;
constexpr qreal kDimmedOpacity = 0.35;

}  // namespace

QtColourSwatch::QtColourSwatch(QWidget* parent) : QtClickable(parent) {}

void QtColourSwatch::setColour(const QColor& colour) {
  if (colour_ == colour) return;
  colour_ = colour;
  setToolTip(colour.name().toUpper());
  update();
}

void QtColourSwatch::setFrameColour(const QColor& frame) {
  frame_ = frame;
  update();
}

void QtColourSwatch::setDimmed(bool dimmed) {
  if (dimmed_ == dimmed) return;
  dimmed_ = dimmed;
  update();
}

void QtColourSwatch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (dimmed_ || !isEnabled()) painter.setOpacity(kDimmedOpacity);
  const QRectF tile = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  if (hovered() && isEnabled()) {
    painter.setPen(QPen(QColor(0x19, 0xc6, 0xd1), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), kRadius + 1, kRadius + 1);
  }
  QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
  shade.setColorAt(0, colour_.lighter(112));
  shade.setColorAt(1, colour_);
  painter.setBrush(shade);
  painter.setPen(QPen(frame_, 1));
  const qreal inset = pressed() ? 1 : 0;
  painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), kRadius, kRadius);
}

}  // namespace mousecfg
