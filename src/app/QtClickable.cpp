#include "app/QtClickable.h"

#include <QMouseEvent>

namespace mousecfg {

QtClickable::QtClickable(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void QtClickable::enterEvent(QEnterEvent*) {
  hovered_ = true;
  update();
}

void QtClickable::leaveEvent(QEvent*) {
  hovered_ = false;
  pressed_ = false;
  update();
}

void QtClickable::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  update();
}

void QtClickable::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace mousecfg
