#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "fire/FireKeyState.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace mousecfg {

class QtMainWindow;
class QtPageLayout;
class QtTickOption;
struct PagePalette;

// The Advanced page's "Fire Key Setting" card: one row per fire key with its name, the
// Repeat field (FKnCnt_), the Interval field in ms (FKnDelay_) and the Continuous option
// (FKnContinue_), under the card's caption and the column captions. The fields pass what
// was typed to the state and show what the state made of it.
class QtFireKeySection : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void()> changed;  // after every handler
    // Runs a handler that raises the page's cover while it works.
    std::function<void(const std::function<void()>&)> covered;
  };

  QtFireKeySection(QWidget& page, FireKeyState& fireKeys, Hooks hooks);

  void render(const QtPageLayout& layout, const PagePalette& palette, const QtMainWindow& window);

 private:
  struct Row {
    QLabel* name = nullptr;
    QLineEdit* repeat = nullptr;
    QLineEdit* interval = nullptr;
    QLabel* milliseconds = nullptr;
    QtTickOption* continuous = nullptr;
  };

  void createRow(QWidget& page, int key);
  void renderCaptions(const QtPageLayout& layout, const PagePalette& palette,
                      const QtMainWindow& window);
  void renderRow(int key, const QtPageLayout& layout, const PagePalette& palette,
                 const QtMainWindow& window);

  FireKeyState& fireKeys_;
  Hooks hooks_;
  std::array<Row, FireKeyState::kKeys> rows_{};
  QLabel* caption_ = nullptr;
  QLabel* repeatCaption_ = nullptr;
  QLabel* intervalCaption_ = nullptr;
  QLabel* continuousCaption_ = nullptr;
};

}  // namespace mousecfg
