#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace mousecfg {

// A skin button: a picture with a caption drawn over it (inset by the layout), a hover
// highlight and a pressed look. Clicking emits clicked().
class QtPictureButton : public QWidget {
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

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  QPixmap hoverPicture_;
  QPixmap pressedPicture_;
  QString caption_;
  QRect captionRect_;
  QColor captionColour_;
  Qt::Alignment captionAlignment_ = Qt::AlignVCenter | Qt::AlignLeft;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace mousecfg
