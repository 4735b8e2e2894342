#pragma once

#include <QColor>
#include <QWidget>

namespace mousecfg {

// A colour swatch: a rounded tile of one colour with a thin frame; clicking it emits
// clicked() (the page opens the colour dialog). Dimmed it shows the colour faintly.
class QtColourSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit QtColourSwatch(QWidget* parent = nullptr);

  void setColour(const QColor& colour);
  QColor colour() const { return colour_; }
  void setFrameColour(const QColor& frame);
  void setDimmed(bool dimmed);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QColor colour_;
  QColor frame_{0, 0, 0, 90};
  bool dimmed_ = false;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace mousecfg
