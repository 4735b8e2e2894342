#pragma once

#include <QTimer>
#include <QWidget>

namespace mousecfg {

// The progress window shown during transfers: borderless, on top, a turning ring.
// It never takes part in the data flow.
class QtProgressWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 206;
  static constexpr int kHeight = 196;
  static constexpr int kCreationDrop = 40;  // placed this much lower than centred at first

  explicit QtProgressWindow(QWidget* owner);

  // Centres over the owner (integer halves, as the mouse tool always did) and shows.
  void showCentred();
  void placeBelowCentre();
  int frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPoint centredOverOwner() const;

  QWidget* owner_;
  QTimer animation_;
  int frame_ = 0;
};

}  // namespace mousecfg
