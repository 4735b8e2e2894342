#pragma once

#include <array>

#include "app/QtPageLayout.h"
#include "app/QtPageView.h"

class QLabel;

namespace mousecfg {

class LightingPageState;
class QtColourSwatch;
class QtMainWindow;
class QtSkinSlider;
class QtTickOption;

// The lighting page (page 3): the seven effects in the left frame of "LN_Back3", the
// breathing speed, the flow speed with the brightness, and the colour table in the
// three frames on the right.
class QtLightingPageView : public QtPageView {
  Q_OBJECT

 public:
  QtLightingPageView(QtMainWindow& window, LightingPageState& lighting, QWidget* parent);

  void render() override;
  QtPageLayout& layout() { return layout_; }

 private:
  QLabel* createLabel(const QString& name, Qt::Alignment alignment);
  void createEffects();
  void createSpeeds();
  void createFlow();
  void createColours();
  void changed();

  void renderCaptions(const PagePalette& palette);
  void renderEffects(const PagePalette& palette);
  void renderSpeeds(const PagePalette& palette);
  void renderFlow(const PagePalette& palette);
  void renderColours(const PagePalette& palette);
  QFont captionFont() const;

  QtMainWindow& window_;
  LightingPageState& lighting_;
  QtPageLayout layout_;

  QLabel* effectCaption_ = nullptr;
  QLabel* speedCaption_ = nullptr;
  QLabel* flowCaption_ = nullptr;
  QLabel* colourCaption_ = nullptr;
  QLabel* brightnessCaption_ = nullptr;
  QLabel* fast_ = nullptr;
  QLabel* slow_ = nullptr;
  QLabel* colourHint_ = nullptr;
  std::array<QtTickOption*, 7> effects_{};
  std::array<QtTickOption*, 10> speeds_{};
  std::array<QLabel*, 10> speedNumbers_{};
  QtSkinSlider* flow_ = nullptr;
  std::array<QLabel*, 8> flowMarks_{};
  QtTickOption* full_ = nullptr;
  QtTickOption* half_ = nullptr;
  std::array<QtColourSwatch*, 10> colours_{};
};

}  // namespace mousecfg
