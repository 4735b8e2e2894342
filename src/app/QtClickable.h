#pragma once

#include <QWidget>

namespace mousecfg {

// A widget that is clicked with the left button and knows whether the pointer is over
// it or pressing it; subclasses only paint.
class QtClickable : public QWidget {
  Q_OBJECT

 public:
  explicit QtClickable(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  bool hovered() const { return hovered_; }
  bool pressed() const { return pressed_; }

  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace mousecfg
