#include "app/QtSkinSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace mousecfg {

namespace {

constexpr int kGrooveThickness = 6;
constexpr int kThumbDiameter = 16;
// A press that moves less than this is a click, not a drag.
constexpr int kDragThreshold = 3;

}  // namespace

QtSkinSlider::QtSkinSlider(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void QtSkinSlider::setGroove(const QPixmap& lit, const QPixmap& unlit) {
  lit_ = lit;
  unlit_ = unlit;
  update();
}

void QtSkinSlider::setAccent(const QColor& accent) {
  accent_ = accent;
  update();
}

void QtSkinSlider::setProgressStyle(bool progress) {
  progress_ = progress;
  update();
}

void QtSkinSlider::setOrientation(Qt::Orientation orientation) {
  orientation_ = orientation;
  update();
}

void QtSkinSlider::setTrack(int inset, int trackLength) {
  inset_ = std::max(0, inset);
  trackLength_ = std::max(1, trackLength);
  update();
}

void QtSkinSlider::setMaximum(int maximum) {
  maximum_ = std::max(1, maximum);
  update();
}

void QtSkinSlider::setPosition(int position) {
  position_ = std::clamp(position, 0, maximum_);
  update();
}

QPoint QtSkinSlider::pointOnTrack(int trackPixel) const {
  if (orientation_ == Qt::Horizontal) return {inset_ + trackPixel, height() / 2};
  return {width() / 2, height() - 1 - inset_ - trackPixel};
}

int QtSkinSlider::trackPixelAt(const QPoint& point) const {
  if (orientation_ == Qt::Horizontal) return point.x() - inset_;
  return height() - 1 - inset_ - point.y();
}

int QtSkinSlider::positionAt(int trackPixel) const {
  const int pixel = std::clamp(trackPixel, 0, trackLength_);
  return (pixel * maximum_ + trackLength_ / 2) / trackLength_;
}

int QtSkinSlider::thumbPixel() const {
  if (dragging_) return std::clamp(dragPixel_, 0, trackLength_);
  return (position_ * trackLength_ + maximum_ / 2) / maximum_;
}

QRectF QtSkinSlider::grooveRect(int fromPixel, int toPixel) const {
  const QPoint from = pointOnTrack(fromPixel);
  const QPoint to = pointOnTrack(toPixel);
  if (orientation_ == Qt::Horizontal)
    return QRectF(from.x(), from.y() - kGrooveThickness / 2.0, to.x() - from.x(), kGrooveThickness);
  return QRectF(from.x() - kGrooveThickness / 2.0, to.y(), kGrooveThickness, from.y() - to.y());
}

void QtSkinSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const bool active = isEnabled();
  const int thumb = thumbPixel();
  const QPixmap& whole = active && !progress_ ? lit_ : unlit_;
  painter.drawPixmap(grooveRect(0, trackLength_).toRect(), whole);
  if (active && progress_ && thumb > 0) {
    const QRectF lit = grooveRect(0, thumb);
    painter.drawPixmap(lit.toRect(), lit_, lit_.rect());
  }
  const QPoint centre = pointOnTrack(thumb);
  const QRectF knob(centre.x() - kThumbDiameter / 2.0, centre.y() - kThumbDiameter / 2.0,
                    kThumbDiameter, kThumbDiameter);
  if (active && (hovered_ || dragging_)) {
    painter.setPen(Qt::NoPen);
    QColor glow = accent_;
    glow.setAlpha(60);
    painter.setBrush(glow);
    painter.drawEllipse(knob.adjusted(-3, -3, 3, 3));
  }
  QLinearGradient face(knob.topLeft(), knob.bottomLeft());
  face.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
  face.setColorAt(1, QColor(0xd9, 0xdd, 0xe3));
  painter.setBrush(face);
  painter.setPen(QPen(active ? accent_ : QColor(0x9a, 0xa1, 0xab), 1.5));
  painter.drawEllipse(knob.adjusted(0.75, 0.75, -0.75, -0.75));
  painter.setPen(Qt::NoPen);
  painter.setBrush(active ? accent_ : QColor(0xb4, 0xba, 0xc2));
  painter.drawEllipse(QPointF(centre), 3, 3);
}

void QtSkinSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  dragging_ = false;
  pressPoint_ = event->position().toPoint();
  dragPixel_ = trackPixelAt(pressPoint_);
}

void QtSkinSlider::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_) return;
  const QPoint point = event->position().toPoint();
  if (!dragging_ && (point - pressPoint_).manhattanLength() < kDragThreshold) return;
  dragging_ = true;
  dragPixel_ = trackPixelAt(point);
  update();
  emit moved(positionAt(dragPixel_));
}

void QtSkinSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  const bool dragged = dragging_;
  pressed_ = false;
  dragging_ = false;
  update();
  emit released(trackPixelAt(event->position().toPoint()), dragged);
}

void QtSkinSlider::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void QtSkinSlider::leaveEvent(QEvent*) {
  hovered_ = false;
  update();
}

}  // namespace mousecfg
