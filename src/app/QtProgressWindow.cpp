#include "app/QtProgressWindow.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace mousecfg {

namespace {
constexpr int kFrames = 36;
constexpr int kFrameMs = 33;
}  // namespace

QtProgressWindow::QtProgressWindow(QWidget* owner)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      owner_(owner) {
  setObjectName("TFormLoadingUI");
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kWidth, kHeight);
  animation_.setInterval(kFrameMs);
  connect(&animation_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kFrames;
    update();
  });
}

QPoint QtProgressWindow::centredOverOwner() const {
  const QRect area = owner_->frameGeometry();
  return {area.left() + (area.width() - kWidth) / 2, area.top() + (area.height() - kHeight) / 2};
}

void QtProgressWindow::placeBelowCentre() {
  move(centredOverOwner() + QPoint(0, kCreationDrop));
}

void QtProgressWindow::showCentred() {
  const QPoint place = centredOverOwner();
  if (pos() != place) move(place);
  if (!isVisible()) show();
}

void QtProgressWindow::showEvent(QShowEvent*) {
  animation_.start();
}

void QtProgressWindow::hideEvent(QHideEvent*) {
  animation_.stop();
}

void QtProgressWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF card = QRectF(rect()).adjusted(3, 3, -3, -3);
  painter.setPen(QPen(QColor(25, 198, 209, 120), 1.5));
  painter.setBrush(QColor(21, 23, 28, 235));
  painter.drawRoundedRect(card, 18, 18);

  const QPointF centre = card.center();
  constexpr double kRadius = 46;
  for (int i = 0; i < 12; ++i) {
    const int age = (frame_ / 3 - i + 12) % 12;  // 0 = the head of the ring
    QColor dot(25, 198, 209);
    dot.setAlphaF(1.0 - age / 13.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    const double angle = i * 30.0 * 3.14159265 / 180.0;
    const QPointF at(centre.x() + kRadius * std::sin(angle),
                     centre.y() - kRadius * std::cos(angle));
    const double size = 9.0 - age * 0.4;
    painter.drawEllipse(at, size / 2, size / 2);
  }
}

}  // namespace mousecfg
