#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace mousecfg {

// A skin slider: the groove pictures ("Bar1_E" lit, "Bar1_D" unlit) stretched along a
// track with a round thumb. Positions run 0..maximum along `trackLength` pixels that
// start `inset` pixels into the widget (the thumb's room at either end). While the
// pointer drags, moved() reports the position under it; on release, released() gives
// the pointer's pixel on the track (0 = the track's start) and whether it was dragged.
// The thumb follows the pointer during a drag; otherwise it shows setPosition().
class QtSkinSlider : public QWidget {
  Q_OBJECT

 public:
  explicit QtSkinSlider(QWidget* parent = nullptr);

  void setGroove(const QPixmap& lit, const QPixmap& unlit);
  void setAccent(const QColor& accent);
  // Progress style: the groove is lit up to the thumb and unlit after it; otherwise the
  // whole groove is lit.
  void setProgressStyle(bool progress);
  void setOrientation(Qt::Orientation orientation);
  void setTrack(int inset, int trackLength);
  void setMaximum(int maximum);
  void setPosition(int position);

  int position() const { return position_; }
  int maximum() const { return maximum_; }
  int inset() const { return inset_; }
  int trackLength() const { return trackLength_; }
  bool dragging() const { return dragging_; }
  // The widget pixel of a track pixel, along the slider (x, or y from the bottom).
  QPoint pointOnTrack(int trackPixel) const;

 signals:
  void moved(int position);
  void released(int trackPixel, bool dragged);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int trackPixelAt(const QPoint& point) const;
  int positionAt(int trackPixel) const;
  int thumbPixel() const;
  QRectF grooveRect(int fromPixel, int toPixel) const;

  QPixmap lit_;
  QPixmap unlit_;
  QColor accent_{0x19, 0xc6, 0xd1};
  bool progress_ = false;
  Qt::Orientation orientation_ = Qt::Horizontal;
  int inset_ = 10;
  int trackLength_ = 100;
  int maximum_ = 100;
  int position_ = 0;
  bool pressed_ = false;
  bool dragging_ = false;
  bool hovered_ = false;
  QPoint pressPoint_;
  int dragPixel_ = 0;
};

}  // namespace mousecfg
