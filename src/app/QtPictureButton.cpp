#include "app/QtPictureButton.h"

#include <QMouseEvent>
#include <QPainter>

namespace mousecfg {

QtPictureButton::QtPictureButton(QWidget* parent) : QtClickable(parent) {}

void QtPictureButton::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void QtPictureButton::setHoverPicture(const QPixmap& picture) {
  hoverPicture_ = picture;
}

void QtPictureButton::setPressedPicture(const QPixmap& picture) {
  pressedPicture_ = picture;
}

void QtPictureButton::setCaption(const QString& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  setAccessibleName(caption);
  update();
}

void QtPictureButton::setCaptionRect(const QRect& rect) {
  captionRect_ = rect;
  update();
}

void QtPictureButton::setCaptionStyle(const QFont& font, const QColor& colour) {
  setFont(font);
  captionColour_ = colour;
  update();
}

void QtPictureButton::setCaptionAlignment(Qt::Alignment alignment) {
  captionAlignment_ = alignment;
  update();
}

void QtPictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap& shown = pressed() && !pressedPicture_.isNull() ? pressedPicture_
                         : hovered() && !hoverPicture_.isNull() ? hoverPicture_
                                                                : picture_;
  if (!shown.isNull()) painter.drawPixmap(rect(), shown);
  if (hovered() && hoverPicture_.isNull()) {
    // A soft light over the picture when the skin has no hover picture of its own.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, pressed() ? 18 : 34));
    painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 6, 6);
  }
  if (caption_.isEmpty()) return;
  painter.setPen(captionColour_);
  const QRect area = captionRect_.isValid() ? captionRect_ : rect();
  const QString shownCaption =
      painter.fontMetrics().elidedText(caption_, Qt::ElideRight, area.width());
  painter.drawText(area.translated(0, pressed() ? 1 : 0), captionAlignment_, shownCaption);
}

}  // namespace mousecfg
