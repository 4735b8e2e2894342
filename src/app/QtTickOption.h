#pragma once

#include "app/QtClickable.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace mousecfg {

// A small skin picture ("CbS_E"/"CbS_D" tick, "RdS_E"/"RdS_D" radio, "Bar1_E"/"Bar1_D"
// bar) drawn at its own size at the left, vertically centred, with an optional caption
// beside it; either part may be empty. The whole widget is the click area. A dimmed
// option still takes clicks (a switched-off DPI level is switched on by its tick); a
// disabled one does not.
class QtTickOption : public QtClickable {
  Q_OBJECT

 public:
  explicit QtTickOption(QWidget* parent = nullptr);

  // `name` is the skin picture's name, kept for whoever asks what is shown.
  void setPicture(const QString& name, const QPixmap& picture, const QSize& size);
  QString pictureName() const { return pictureName_; }
  void setCaption(const QString& caption);
  QString caption() const { return caption_; }
  void setCaptionStyle(const QFont& font, const QColor& colour);
  void setCaptionAlignment(Qt::Alignment alignment);
  void setDimmed(bool dimmed);
  bool dimmed() const { return dimmed_; }
  // Room between the picture and the caption.
  static constexpr int kSpacing = 6;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString pictureName_;
  QPixmap picture_;
  QSize pictureSize_;
  QString caption_;
  QColor captionColour_;
  Qt::Alignment captionAlignment_ = Qt::AlignLeft | Qt::AlignVCenter;
  bool dimmed_ = false;
};

}  // namespace mousecfg
