#pragma once

#include <QTimer>
#include <array>
#include <memory>

#include "app/QtPageLayout.h"
#include "app/QtPageView.h"
#include "settings/FunctionMenu.h"
#include "settings/ModeSwitchGestures.h"

namespace mousecfg {

class ApplicationCore;
class QtFunctionMenu;
class QtMainWindow;
class QtTickOption;

// The key page (page 1): the window's twelve key labels open the function menu, the
// menu assigns functions, the eight gesture options tick and untick, and the three
// restore-default buttons restore. The labels and the restore buttons belong to the
// window; this view wires them and draws the rest.
class QtKeyPageView : public QtPageView {
  Q_OBJECT

 public:
  QtKeyPageView(QtMainWindow& window, ApplicationCore& pages);
  ~QtKeyPageView() override;

  void render() override;

  QtFunctionMenu& functionMenu() { return *menu_; }
  QtTickOption* gestureOption(int gesture) const {
    return gestures_[static_cast<size_t>(gesture - 1)];
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createGestureOptions();
  void connectKeyLabels();
  void connectRestoreButtons();
  void connectMenu();
  void openAssemblyKeyDialog();
  void renderKeyLabels();
  void renderGestures();
  void renderMenu();
  void renderBlockingPanel();
  void renderMarqueeTimer();
  void keyLabelClicked(int button);
  int keyLabelOf(const QObject* object) const;
  bool menuShownHere() const;
  void closeMenuOnPressOutside(QObject* watched);
  void done();

  QtMainWindow& window_;
  ApplicationCore& pages_;
  QtPageLayout layout_;
  std::unique_ptr<QtFunctionMenu> menu_;
  std::array<QtTickOption*, ModeSwitchGestures::kGestureCount> gestures_{};
  QWidget* blockingPanel_ = nullptr;
  QTimer labelRun_;
};

}  // namespace mousecfg
