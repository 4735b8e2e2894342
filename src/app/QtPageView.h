#pragma once

#include <QWidget>

namespace mousecfg {

// A page's controls, laid over the page group of the main window. The window calls
// render() after every handler, and whenever the state may have changed.
class QtPageView : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
  virtual void render() = 0;
};

}  // namespace mousecfg
