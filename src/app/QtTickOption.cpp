#include "app/QtTickOption.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mousecfg {

namespace {

constexpr qreal kDimmedOpacity = 0.42;

}  // namespace

QtTickOption::QtTickOption(QWidget* parent) : QtClickable(parent) {}

void QtTickOption::setPicture(const QString& name, const QPixmap& picture, const QSize& size) {
  pictureName_ = name;
  picture_ = picture;
  pictureSize_ = size;
  update();
}

void QtTickOption::setCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  setAccessibleName(caption);
  update();
}

void QtTickOption::setCaptionStyle(const QFont& font, const QColor& colour) {
  setFont(font);
  captionColour_ = colour;
  update();
}

void QtTickOption::setCaptionAlignment(Qt::Alignment alignment) {
  captionAlignment_ = alignment;
  update();
}

void QtTickOption::setDimmed(bool dimmed) {
  if (dimmed_ == dimmed) return;
  dimmed_ = dimmed;
  update();
}

void QtTickOption::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::Antialiasing);
  const bool faint = dimmed_ || !isEnabled();
  if (faint) painter.setOpacity(kDimmedOpacity);
  int captionLeft = 0;
  if (!picture_.isNull() && pictureSize_.isValid()) {
    const QRect place(0, (height() - pictureSize_.height()) / 2, pictureSize_.width(),
                      pictureSize_.height());
    painter.drawPixmap(place, picture_);
    if (hovered() && isEnabled()) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(255, 255, 255, pressed() ? 30 : 60));
      painter.drawRoundedRect(QRectF(place).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
    captionLeft = pictureSize_.width() + kSpacing;
  }
  if (caption_.isEmpty()) return;
  const QRect area(captionLeft, 0, width() - captionLeft, height());
  QFont shown = font();
  shown.setUnderline(hovered() && isEnabled() && picture_.isNull());
  painter.setFont(shown);
  painter.setPen(captionColour_);
  painter.drawText(area, captionAlignment_,
                   painter.fontMetrics().elidedText(caption_, Qt::ElideRight, area.width()));
}

void QtTickOption::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange)
    setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
  QWidget::changeEvent(event);
}

}  // namespace mousecfg
