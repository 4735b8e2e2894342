#include "app/QtLightingPageView.h"

#include <QColorDialog>
#include <QLabel>
#include <algorithm>
#include <string>

#include "app/QtColourSwatch.h"
#include "app/QtMainWindow.h"
#include "app/QtSkin.h"
#include "app/QtSkinSlider.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "settings/DpiSlider.h"
#include "settings/LightingPageState.h"

namespace mousecfg {

namespace {

// The page's design in window pixels, over the "LN_Back3" picture (content panel at
// 184,70): the effect frame x 200..440 (its well y 124..482), and on the right, x 454..868,
// the speed frame (header y 86..114), the flow frame (header y 216..244) and the colour
// frame (header y 346..374).
constexpr CaptionDesign kEffectCaption{220, 90, 200, 10, {}};
constexpr CaptionDesign kSpeedCaption{474, 90, 370, 10, {}};
constexpr CaptionDesign kFlowCaption{474, 220, 370, 10, {}};
constexpr CaptionDesign kColourCaption{474, 350, 370, 10, {}};
constexpr CaptionDesign kBrightnessCaption{474, 300, 120, 9, {}};
constexpr CaptionDesign kColourHint{474, 446, 374, 9, {}};

constexpr QPoint kFirstEffect{226, 146};
constexpr int kEffectDistance = 48;
constexpr int kEffectWidth = 196;

constexpr QPoint kFirstSpeed{474, 140};
constexpr int kSpeedDistance = 38;
constexpr QSize kSpeedBar{32, 8};
constexpr int kSpeedHeight = 20;
constexpr int kSpeedNumbersY = 22;  // below the bars
constexpr int kSpeedEndsY = 22;     // "Fast" and "Slow" below the bars, or the numbers
constexpr int kSpeedEndsWidth = 120;

constexpr QPoint kFlowSlider{474, 254};
constexpr int kFlowDistance = kFlowPixelsPerPosition;
constexpr int kFlowMarksY = 20;
constexpr int kMarkBox = 24;

constexpr QPoint kFullOption{600, 298};
constexpr QPoint kHalfOption{690, 298};
constexpr int kBrightnessWidth = 84;

constexpr QPoint kFirstColour{474, 398};
constexpr int kColourDistance = 38;
constexpr QSize kColourSize{32, 32};

constexpr int kSliderInset = 10;
constexpr int kSliderThickness = 18;
constexpr int kOptionHeight = 22;
constexpr QSize kTickSize{18, 18};
constexpr int kCaptionSize = 9;
constexpr int kNumberSize = 8;

constexpr int kNumberOrderUp = 0;
constexpr int kNumberOrderDown = 1;

std::string indexed(std::string_view stem, int n, std::string_view part) {
  return std::string(stem) + std::to_string(n) + std::string(part);
}

void setTextStyle(QLabel& label, const QFont& font, const QColor& colour) {
  label.setFont(font);
  label.setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
}

}  // namespace

QtLightingPageView::QtLightingPageView(QtMainWindow& window, LightingPageState& lighting,
                                       QWidget* parent)
    : QtPageView(parent), window_(window), lighting_(lighting) {
  setObjectName("LightingPage");
  effectCaption_ = createLabel("lbl_LEDEffect", Qt::AlignLeft | Qt::AlignVCenter);
  speedCaption_ = createLabel("lbl_BreathingSpeed", Qt::AlignLeft | Qt::AlignVCenter);
  flowCaption_ = createLabel("lbl_FlowSpeed", Qt::AlignLeft | Qt::AlignVCenter);
  colourCaption_ = createLabel("lbl_LEDColor", Qt::AlignLeft | Qt::AlignVCenter);
  brightnessCaption_ = createLabel("lbl_Brightness", Qt::AlignLeft | Qt::AlignVCenter);
  fast_ = createLabel("lbl_Fast", Qt::AlignLeft | Qt::AlignVCenter);
  slow_ = createLabel("lbl_Slow", Qt::AlignRight | Qt::AlignVCenter);
  colourHint_ = createLabel("lbl_ColorHint", Qt::AlignLeft | Qt::AlignVCenter);
  createEffects();
  createSpeeds();
  createFlow();
  createColours();
  lighting_.pickColour = [this](uint32_t current) -> std::optional<uint32_t> {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(current), &window_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen.rgb() & 0xFFFFFFu;
  };
}

QLabel* QtLightingPageView::createLabel(const QString& name, Qt::Alignment alignment) {
  auto* label = new QLabel(this);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void QtLightingPageView::createEffects() {
  for (int effect = 1; effect <= LightingPageState::kEffects; ++effect) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("lbl_LED%1").arg(effect));
    connect(option, &QtTickOption::clicked, this, [this, effect] {
      lighting_.RGBImgMode_OnClick(effect);
      changed();
    });
    effects_[static_cast<size_t>(effect - 1)] = option;
  }
}

void QtLightingPageView::createSpeeds() {
  for (int speed = 1; speed <= LightingPageState::kSpeeds; ++speed) {
    auto* bar = new QtTickOption(this);
    bar->setObjectName(QStringLiteral("Img_Fall%1").arg(speed));
    connect(bar, &QtTickOption::clicked, this, [this, speed] {
      lighting_.FallTime_OnClick(speed);
      changed();
    });
    speeds_[static_cast<size_t>(speed - 1)] = bar;
    speedNumbers_[static_cast<size_t>(speed - 1)] =
        createLabel(QStringLiteral("lbl_Fall%1").arg(speed), Qt::AlignCenter);
  }
}

void QtLightingPageView::createFlow() {
  flow_ = new QtSkinSlider(this);
  flow_->setObjectName("slider_MCULEDStep");
  connect(flow_, &QtSkinSlider::released, this, [this](int pixel, bool) {
    // The flow positions are 33 pixels apart; the page may draw them closer.
    const int distance = std::max(1, flow_->trackLength() / (kFlowSpeedPositions - 1));
    lighting_.slider_MCULEDStepMouseUp(pixel * kFlowPixelsPerPosition / distance);
    changed();
  });
  for (size_t i = 0; i < flowMarks_.size(); ++i) {
    flowMarks_[i] = createLabel(QStringLiteral("lbl_MCULEDStep_%1").arg(i + 1), Qt::AlignCenter);
    flowMarks_[i]->setText(QString::number(i + 1));
  }
  full_ = new QtTickOption(this);
  full_->setObjectName("lbl_MCULED3Control");
  connect(full_, &QtTickOption::clicked, this, [this] {
    lighting_.chooseBrightness(true);
    changed();
  });
  half_ = new QtTickOption(this);
  half_->setObjectName("lbl_MCULED6Control");
  connect(half_, &QtTickOption::clicked, this, [this] {
    lighting_.chooseBrightness(false);
    changed();
  });
}

void QtLightingPageView::createColours() {
  for (int slot = 1; slot <= LightingPageState::kSlots; ++slot) {
    auto* swatch = new QtColourSwatch(this);
    swatch->setObjectName(QStringLiteral("lbl_Col%1").arg(slot));
    connect(swatch, &QtColourSwatch::clicked, this, [this, slot] {
      lighting_.lbl_ColClick(slot);
      changed();
    });
    colours_[static_cast<size_t>(slot - 1)] = swatch;
  }
}

void QtLightingPageView::changed() {
  window_.render();
}

QFont QtLightingPageView::captionFont() const {
  return pageFont(window_.fontName(), layout_.value("Size_F", kCaptionSize));
}

void QtLightingPageView::render() {
  layout_.use(window_.state().language());
  const PagePalette palette = pagePalette(layout_.language());
  setGeometry(parentWidget() ? parentWidget()->rect() : rect());
  renderCaptions(palette);
  renderEffects(palette);
  renderSpeeds(palette);
  renderFlow(palette);
  renderColours(palette);
}

void QtLightingPageView::renderCaptions(const PagePalette& palette) {
  const QString font = window_.fontName();
  const auto place = [&](QLabel* label, const char* name, CaptionDesign design, QColor colour,
                         const char* text) {
    design.colour = colour;
    layout_.placeCaption(*label, name, design, font);
    label->setText(window_.text(text));
  };
  using namespace langkey::caption;
  place(effectCaption_, "LED_Effect", kEffectCaption, palette.heading, kLedEffect);
  place(speedCaption_, "LED_Speed", kSpeedCaption, palette.heading, kBreathingSpeed);
  place(flowCaption_, "LED_Flow", kFlowCaption, palette.heading, kLedFlowSpeed);
  place(colourCaption_, "LED_Color", kColourCaption, palette.heading, kLedColor);
  place(brightnessCaption_, "LED_Brightness", kBrightnessCaption, palette.text, kLedBrightness);
  place(colourHint_, "LED_Color_Hint", kColourHint, palette.hint, kLedColorHint);
}

void QtLightingPageView::renderEffects(const PagePalette& palette) {
  const int language = layout_.language();
  const QColor text = layout_.colour("Color_F_", palette.text);
  for (int effect = 1; effect <= LightingPageState::kEffects; ++effect) {
    QtTickOption* option = effects_[static_cast<size_t>(effect - 1)];
    const QPoint design(kFirstEffect.x(), kFirstEffect.y() + kEffectDistance * (effect - 1));
    const QPoint at = layout_.point(indexed("LEDMode", effect, "_"), design);
    option->setGeometry(at.x(), at.y(), kEffectWidth, kOptionHeight);
    const QString picture = qt(lighting_.effectPicture(effect));
    option->setPicture(picture, QtSkin::picture(picture.toStdString(), language), kTickSize);
    // The effect texts of the lighting page ("Colorful Light" .. "Breathing").
    option->setCaption(
        window_.text(langkey::keyAfter(langkey::caption::kMcuLedEffect1, effect - 1)));
    option->setCaptionStyle(captionFont(), text);
  }
}

void QtLightingPageView::renderSpeeds(const PagePalette& palette) {
  const int language = layout_.language();
  const QPoint origin = layout_.point("StepTime_", kFirstSpeed);
  const int distance = layout_.value("StepTime_D", kSpeedDistance);
  const bool enabled = lighting_.speedPicturesEnabled;
  for (int speed = 1; speed <= LightingPageState::kSpeeds; ++speed) {
    QtTickOption* bar = speeds_[static_cast<size_t>(speed - 1)];
    bar->setGeometry(origin.x() + distance * (speed - 1), origin.y(), kSpeedBar.width(),
                     kSpeedHeight);
    const QString picture = qt(lighting_.speedPicture(speed));
    bar->setPicture(picture, QtSkin::picture(picture.toStdString(), language), kSpeedBar);
    bar->setEnabled(enabled);
  }
  const int order = window_.state().options().numOrder;
  const bool numbered = order == kNumberOrderUp || order == kNumberOrderDown;
  const QFont numberFont = pageFont(window_.fontName(), kNumberSize);
  for (int speed = 1; speed <= LightingPageState::kSpeeds; ++speed) {
    QLabel* number = speedNumbers_[static_cast<size_t>(speed - 1)];
    const int centre = origin.x() + distance * (speed - 1) + kSpeedBar.width() / 2;
    number->setGeometry(centre - kMarkBox / 2, origin.y() + kSpeedNumbersY, kMarkBox,
                        2 * kNumberSize);
    const int shown = order == kNumberOrderDown ? LightingPageState::kSpeeds + 1 - speed : speed;
    number->setText(QString::number(shown));
    setTextStyle(*number, numberFont, enabled ? palette.hint : palette.faint);
    number->setVisible(numbered);
  }
  const int endsY = origin.y() + kSpeedEndsY + (numbered ? 2 * kNumberSize + 2 : 0);
  const int right = origin.x() + distance * (LightingPageState::kSpeeds - 1) + kSpeedBar.width();
  const QColor ends = enabled ? palette.hint : palette.faint;
  layout_.placeCaption(*fast_, "LED_Fast", {origin.x(), endsY, kSpeedEndsWidth, kCaptionSize, ends},
                       window_.fontName());
  layout_.placeCaption(*slow_, "LED_Slow",
                       {right - kSpeedEndsWidth, endsY, kSpeedEndsWidth, kCaptionSize, ends},
                       window_.fontName());
  fast_->setText(window_.text(langkey::caption::kFast));
  slow_->setText(window_.text(langkey::caption::kSlow));
}

void QtLightingPageView::renderFlow(const PagePalette& palette) {
  const int language = layout_.language();
  const QPoint at = layout_.point("MCULEDStep_", kFlowSlider);
  const int distance = layout_.value("MCULEDStep_D", kFlowDistance);
  const int track = distance * (kFlowSpeedPositions - 1);
  flow_->setTrack(kSliderInset, track);
  flow_->setGeometry(at.x(), at.y(), track + 2 * kSliderInset, kSliderThickness);
  flow_->setGroove(QtSkin::picture("Bar1_E", language), QtSkin::picture("Bar1_D", language));
  flow_->setAccent(palette.accent);
  flow_->setProgressStyle(!window_.state().options().dpiLedStatus);
  flow_->setMaximum(kFlowSpeedPositions - 1);
  if (!flow_->dragging()) flow_->setPosition(lighting_.flowSpeed);
  const QFont numberFont = pageFont(window_.fontName(), kNumberSize);
  for (size_t i = 0; i < flowMarks_.size(); ++i) {
    const int centre = at.x() + kSliderInset + distance * static_cast<int>(i);
    flowMarks_[i]->setGeometry(centre - kMarkBox / 2, at.y() + kFlowMarksY, kMarkBox,
                               2 * kNumberSize);
    setTextStyle(*flowMarks_[i], numberFont, palette.hint);
  }
  const QColor text = layout_.colour("Color_F_", palette.text);
  const auto option = [&](QtTickOption* choice, const char* key, QPoint design, bool full,
                          const char* caption) {
    const QPoint place = layout_.point(key, design);
    choice->setGeometry(place.x(), place.y(), kBrightnessWidth, kOptionHeight);
    const QString picture = qt(lighting_.brightnessPicture(full));
    choice->setPicture(picture, QtSkin::picture(picture.toStdString(), language), kTickSize);
    choice->setCaption(window_.text(caption));
    choice->setCaptionStyle(captionFont(), text);
  };
  option(full_, "LED3Control_", kFullOption, true, langkey::caption::kFullBrightness);
  option(half_, "LED6Control_", kHalfOption, false, langkey::caption::kHalfBrightness);
}

void QtLightingPageView::renderColours(const PagePalette& palette) {
  const QPoint origin = layout_.point("Col_", kFirstColour);
  const int distance = layout_.value("Col_D", kColourDistance);
  for (int slot = 1; slot <= LightingPageState::kSlots; ++slot) {
    QtColourSwatch* swatch = colours_[static_cast<size_t>(slot - 1)];
    swatch->setGeometry(QRect(QPoint(origin.x() + distance * (slot - 1), origin.y()), kColourSize));
    swatch->setColour(QColor::fromRgb(lighting_.slotColour(slot)));
    swatch->setFrameColour(palette.swatchFrame);
  }
}

}  // namespace mousecfg
