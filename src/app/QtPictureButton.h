#pragma once

#include "app/QtClickable.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace mousecfg {

// A skin button: a picture with a caption drawn over it (inset by the layout), a hover
// highlight and a pressed look. Clicking emits clicked().
class QtPictureButton : public QtClickable {
  Q_OBJECT

 public:
  explicit QtPictureButton(QWidget* parent = nullptr);

  void setPicture(const QPixmap& picture);
  void setHoverPicture(const QPixmap& picture);
  void setPressedPicture(const QPixmap& picture);
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  // The caption's place relative to the picture's top-left corner.
  void setCaptionRect(const QRect& rect);
  void setCaptionStyle(const QFont& font, const QColor& colour);
  void setCaptionAlignment(Qt::Alignment alignment);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
  QPixmap hoverPicture_;
  QPixmap pressedPicture_;
  QString caption_;
  QRect captionRect_;
  QColor captionColour_;
  Qt::Alignment captionAlignment_ = Qt::AlignVCenter | Qt::AlignLeft;
};

}  // namespace mousecfg
