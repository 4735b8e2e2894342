#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "app/QtPageLayout.h"
#include "app/QtPageView.h"

class QLabel;

namespace mousecfg {

class DpiPageState;
class FireKeyState;
class QtColourSwatch;
class QtFireKeySection;
class QtMainWindow;
class QtSkinSlider;
class QtTickOption;
class SystemMouseSettings;

// The Advanced page (page 2): the DPI levels with their steps, colours and active mark,
// the AIM DPI, the report rate and the three fire keys (the mouse's settings), and the
// pointer speed, double-click and wheel scales (the desktop's). Placed by the layout of
// the language over the "LN_Back2" picture: the DPI levels and the AIM DPI in the left
// frame, the report rate below it, the three scales in the right frame's bands and the
// fire keys below them.
class QtAdvancedPageView : public QtPageView {
  Q_OBJECT

 public:
  QtAdvancedPageView(QtMainWindow& window, DpiPageState& dpi, SystemMouseSettings& systemMouse,
                     FireKeyState& fireKeys, QWidget* parent);

  void render() override;
  // The layout in use, for tools that list the keys the page reads.
  QtPageLayout& layout() { return layout_; }

 private:
  struct LevelRow {
    QtTickOption* check = nullptr;  // Img_DPIn: the active level's tick
    QtTickOption* name = nullptr;   // lbl_DPIn: switches the level on or off
    QtSkinSlider* slider = nullptr;
    QLabel* value = nullptr;
    QtColourSwatch* colour = nullptr;
  };
  struct Scale {
    QLabel* caption = nullptr;
    QtSkinSlider* slider = nullptr;
    std::array<QLabel*, 11> numbers{};
  };

  void createLevelRows();
  void createReportRate();
  void createScales();
  Scale createScale(const char* sliderName, const char* numberPrefix);
  QLabel* createCaption(const char* name);
  void onLevelCheck(int level);
  void onScaleReleased(int scale, int trackPixel);
  void changed();
  void covered(const std::function<void()>& handler);

  void renderCaptions(const PagePalette& palette);
  void renderLevels(const PagePalette& palette);
  void renderAim(const PagePalette& palette);
  void renderReportRate(const PagePalette& palette);
  void renderScales(const PagePalette& palette);
  void renderScale(Scale& scale, std::string_view key, int band, int level, bool enabled,
                   const PagePalette& palette);
  void renderTick(QtTickOption& option, std::string_view key, QPoint design, const QString& picture,
                  const QString& caption, int width, const PagePalette& palette);
  void styleSlider(QtSkinSlider& slider, const PagePalette& palette);
  void renderCover();

  QtMainWindow& window_;
  DpiPageState& dpi_;
  SystemMouseSettings& systemMouse_;
  FireKeyState& fireKeys_;
  QtPageLayout layout_;

  std::array<LevelRow, 8> levels_;
  QtSkinSlider* aimSlider_ = nullptr;
  QLabel* aimValue_ = nullptr;
  std::array<QtTickOption*, 4> rates_{};
  std::array<Scale, 3> scales_{};  // pointer speed, double-click, wheel lines
  QtTickOption* precision_ = nullptr;
  QtTickOption* oneScreen_ = nullptr;
  QLabel* dpiCaption_ = nullptr;
  QLabel* pointerCaption_ = nullptr;
  QLabel* rateCaption_ = nullptr;
  QLabel* aimCaption_ = nullptr;
  QtFireKeySection* fireKeySection_ = nullptr;
  QWidget* cover_ = nullptr;  // Disable_All_2: takes the page's clicks while a change is sent
};

}  // namespace mousecfg
