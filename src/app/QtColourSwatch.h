#pragma once

#include "app/QtClickable.h"

#include <QColor>
#include <QWidget>

namespace mousecfg {

// A colour swatch: a rounded tile of one colour with a thin frame; clicking it emits
// clicked() (the page opens the colour dialog). Dimmed it shows the colour faintly.
class QtColourSwatch : public QtClickable {
  Q_OBJECT

 public:
  explicit QtColourSwatch(QWidget* parent = nullptr);

  void setColour(const QColor& colour);
  QColor colour() const { return colour_; }
  void setFrameColour(const QColor& frame);
  void setDimmed(bool dimmed);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
  QColor frame_{0, 0, 0, 90};
  bool dimmed_ = false;
};

}  // namespace mousecfg
