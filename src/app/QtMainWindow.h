#pragma once

#include <QLabel>
#include <QMap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <vector>

#include "app/QtPageView.h"
#include "app/QtPictureButton.h"
#include "core/MainWindowState.h"

namespace mousecfg {

// The main window: borderless, shaped by its background picture, the seven pages and
// the navigation drawn from the skin and placed by the layout. It holds no state of
// its own: handlers run on MainWindowState, then render() redraws from it.
class QtMainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit QtMainWindow(MainWindowState& state);

  void render();
  // A page's view: created over the page's group and rendered with the window.
  void addPageView(QtPageView* view) { pageViews_.push_back(view); }
  void setOverlaysVisible(bool visible);
  QString text(const std::string& languageKey) const;
  QString fontName() const;
  MainWindowState& state() { return state_; }

  // The connection monitor's timer (1500 ms); it ticks the monitor while enabled.
  QTimer& devTimer() { return devTimer_; }
  // One tick of the connection monitor, as each timeout of devTimer runs it.
  void tickMonitor();
  QWidget* page(Page page) const { return pages_[static_cast<size_t>(page) - 1]; }
  QtPictureButton* button(const QString& name) const { return buttons_.value(name); }
  QtPictureButton* keyLabel(int index) const { return keyLabels_[static_cast<size_t>(index)]; }
  QLabel* hintLabel() const { return hint_; }
  QLabel* footerLabel() const { return footer_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void keepOnScreen();
  void createPages();
  void createButtons();
  void createKeyLabels();
  QtPictureButton* addButton(const QString& name, void (QtMainWindow::*onClick)());
  void renderButtons();
  void renderKeyLabels();
  void renderTexts();
  void renderFooter();
  static std::string installedDocumentation();
  void renderShape();
  QPixmap background() const;
  QFont groupFont(char group) const;
  QColor groupColour(char group) const;

  void onPageButton(PageButton button);
  void onWeb();

  MainWindowState& state_;
  std::array<QWidget*, 7> pages_{};
  std::vector<QtPageView*> pageViews_;
  QMap<QString, QtPictureButton*> buttons_;
  std::array<QtPictureButton*, kKeyLabelCount> keyLabels_{};
  QtPictureButton* engineerButton_ = nullptr;
  QtPictureButton* webButton_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* hint_ = nullptr;
  QLabel* footer_ = nullptr;
  QWidget* overlay_ = nullptr;
  bool hostOverlay_ = false;
  QTimer devTimer_;
  mutable QPixmap stretchedBackground_;
  mutable qint64 stretchedFrom_ = 0;
  QPoint dragOffset_;
  bool dragging_ = false;
};

}  // namespace mousecfg
