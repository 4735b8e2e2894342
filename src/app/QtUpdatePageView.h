#pragma once

#include "app/QtPageView.h"

class QLabel;

namespace mousecfg {

class ApplicationCore;
class QtMainWindow;
class QtPictureButton;

// The Update page over its panel picture "LN_Back5": the firmware file's path, "Load BIN"
// to choose it and "Program" to write its patch record into the mouse.
class QtUpdatePageView : public QtPageView {
  Q_OBJECT

 public:
  QtUpdatePageView(QtMainWindow& window, ApplicationCore& core, QWidget* parent);
  ~QtUpdatePageView() override;

  void render() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* addLabel(const char* name, const QRect& place);
  QtPictureButton* addButton(const char* name, const QRect& place);

  QtMainWindow& window_;
  ApplicationCore& core_;
  QLabel* heading_ = nullptr;
  QLabel* pathCaption_ = nullptr;
  QLabel* path_ = nullptr;
  QtPictureButton* load_ = nullptr;
  QtPictureButton* program_ = nullptr;
};

}  // namespace mousecfg
