#include "app/QtAdvancedPageView.h"

#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <string>

#include "app/QtColourSwatch.h"
#include "app/QtFireKeySection.h"
#include "app/QtMainWindow.h"
#include "app/QtSkin.h"
#include "app/QtSkinSlider.h"
#include "app/QtText.h"
#include "app/QtTickOption.h"
#include "base/LanguageKeys.h"
#include "fire/FireKeyState.h"
#include "settings/DpiPageState.h"
#include "settings/DpiSlider.h"
#include "settings/ReportRateControl.h"
#include "settings/SystemMouseLevels.h"
#include "settings/SystemMouseSettings.h"

namespace mousecfg {

namespace {

// The page's design in window pixels, over the "LN_Back2" picture (content panel at
// 184,70). Left column: the DPI frame x 200..527, y 86..420, with eight 34-pixel level
// rows from y 114 and the AIM DPI row below them, then the report rate frame y 432..498.
// Right column: the pointer frame x 541..868, y 86..348, with three 78-pixel bands from
// y 114, then the fire-key frame y 360..498 (QtFireKeySection).
constexpr int kLevelRowTop = 114;
constexpr int kLevelRowHeight = 34;
constexpr QPoint kLevelCheck{214, 8};  // x, and y below the row's top
constexpr QPoint kLevelName{238, 6};
constexpr QPoint kLevelSlider{282, 8};
constexpr QPoint kLevelValue{442, 6};
constexpr QPoint kLevelColour{494, 8};
constexpr int kLevelStepDistance = 10;
constexpr QSize kLevelNameSize{42, 22};
constexpr QSize kLevelValueSize{44, 22};
constexpr QSize kSwatchSize{18, 18};

constexpr CaptionDesign kDpiCaption{220, 90, 290, 10, {}};
constexpr CaptionDesign kPointerCaption{561, 90, 290, 10, {}};
constexpr CaptionDesign kRateCaption{220, 436, 290, 10, {}};

constexpr QPoint kFirstRate{216, 468};
constexpr int kRateDistance = 76;
constexpr int kRateWidth = 66;

// The AIM DPI row lines up with the level rows: caption under the ticks and names, the
// slider and the value in the levels' columns.
constexpr int kAimRowTop = kLevelRowTop + DpiPageState::kLevels * kLevelRowHeight;
constexpr QPoint kAimName{214, kAimRowTop + 6};
constexpr QSize kAimNameSize{66, 22};
constexpr QPoint kAimSlider{282, kAimRowTop + 8};
constexpr int kAimStepDistance = 10;
constexpr QPoint kAimValue{442, kAimRowTop + 6};
constexpr QSize kAimValueSize{44, 22};

constexpr int kBandTops[] = {114, 192, 270};
constexpr int kScaleCaptionY = 8;  // below the band's top
constexpr int kScaleY = 32;
constexpr int kScaleNumbersY = 20;  // below the scale
constexpr int kScaleX = 561;
constexpr int kScaleCaptionWidth = 150;
constexpr int kScaleStepDistance = 26;
// The band's option sits at the right of its caption line.
constexpr int kScaleOptionX = 676;
constexpr int kScaleOptionY = 6;
constexpr int kScaleOptionWidth = 176;
// Scale number i is a 12-pixel box whose left edge is at X + (i - 1)·D + 4, so it is
// centred under the slider's track pixel (i - 1)·D.
constexpr int kScaleNumberOffset = 4;
constexpr int kScaleNumberWidth = 12;
constexpr int kScaleNumberBox = 24;

constexpr int kSliderInset = 10;
constexpr int kSliderThickness = 18;
constexpr int kOptionHeight = 22;
constexpr QSize kTickSize{18, 18};
constexpr int kLevelCaptionSize = 9;
constexpr int kNumberSize = 8;

constexpr const char* kScaleKeys[] = {"Spd_", "DbSpd_", "ScrSpd_"};
constexpr const char* kScaleCaptionNames[] = {"Moving_Speed", "Double_Click", "Rolling_Speed"};
constexpr const char* kScaleTextKeys[] = {langkey::caption::kMovingSpeed,
                                          langkey::caption::kDoubleClickSpeed,
                                          langkey::caption::kRollingSpeed};

std::string levelKey(int level, std::string_view part) {
  return "DPI" + std::to_string(level) + std::string(part);
}

QLabel* newLabel(QWidget* parent, const QString& name, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAlignment(alignment);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  return label;
}

void setTextStyle(QLabel& label, const QFont& font, const QColor& colour) {
  label.setFont(font);
  label.setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
}

// A clear pane over the page that takes every click and wheel turn given to it.
class PageCover : public QWidget {
 public:
  explicit PageCover(QWidget* parent) : QWidget(parent) {
    setObjectName("Disable_All_2");
    hide();
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override { event->accept(); }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void wheelEvent(QWheelEvent* event) override { event->accept(); }
};

}  // namespace

QtAdvancedPageView::QtAdvancedPageView(QtMainWindow& window, DpiPageState& dpi,
                                       SystemMouseSettings& systemMouse, FireKeyState& fireKeys,
                                       QWidget* parent)
    : QtPageView(parent),
      window_(window),
      dpi_(dpi),
      systemMouse_(systemMouse),
      fireKeys_(fireKeys) {
  setObjectName("AdvancedPage");
  dpiCaption_ = createCaption("lbl_DPISetting");
  pointerCaption_ = createCaption("lbl_PointerSetting");
  rateCaption_ = createCaption("lbl_ReportRate");
  createLevelRows();
  createReportRate();
  createScales();
  fireKeySection_ = new QtFireKeySection(
      *this, fireKeys_,
      {[this] { changed(); }, [this](const std::function<void()>& handler) { covered(handler); }});
  cover_ = new PageCover(this);
  dpi_.pickColour = [this](uint32_t current) -> std::optional<uint32_t> {
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(current), &window_);
    if (!chosen.isValid()) return std::nullopt;
    return chosen.rgb() & 0xFFFFFFu;
  };
}

QLabel* QtAdvancedPageView::createCaption(const char* name) {
  return newLabel(this, name, Qt::AlignLeft | Qt::AlignVCenter);
}

void QtAdvancedPageView::createLevelRows() {
  for (int level = 1; level <= DpiPageState::kLevels; ++level) {
    LevelRow& row = levels_[static_cast<size_t>(level - 1)];
    row.check = new QtTickOption(this);
    row.check->setObjectName(QStringLiteral("Img_DPI%1").arg(level));
    connect(row.check, &QtTickOption::clicked, this, [this, level] { onLevelCheck(level); });
    row.name = new QtTickOption(this);
    row.name->setObjectName(QStringLiteral("lbl_DPI%1").arg(level));
    connect(row.name, &QtTickOption::clicked, this,
            [this, level] { covered([this, level] { dpi_.DPILevel_OnClick(level); }); });
    row.slider = new QtSkinSlider(this);
    row.slider->setObjectName(QStringLiteral("slider_DPI%1").arg(level));
    connect(row.slider, &QtSkinSlider::moved, this, [this, level](int position) {
      dpi_.slider_DPIChange(level, position);
      changed();
    });
    connect(row.slider, &QtSkinSlider::released, this,
            [this, level, slider = row.slider](int pixel, bool) {
              dpi_.slider_DPIMouseUp(level, pixel, slider->trackLength());
              changed();
            });
    row.value = newLabel(this, QStringLiteral("lbl_DPI%1Value").arg(level),
                         Qt::AlignRight | Qt::AlignVCenter);
    row.colour = new QtColourSwatch(this);
    row.colour->setObjectName(QStringLiteral("lbl_DPI%1Col").arg(level));
    connect(row.colour, &QtColourSwatch::clicked, this, [this, level] {
      dpi_.lbl_DPIColClick(level);
      changed();
    });
  }
}

void QtAdvancedPageView::createReportRate() {
  for (int choice = 1; choice <= ReportRateControl::kRateCount; ++choice) {
    auto* option = new QtTickOption(this);
    option->setObjectName(QStringLiteral("lbl_Rep%1").arg(choice));
    connect(option, &QtTickOption::clicked, this, [this, choice] {
      dpi_.ReportRate_OnClick(choice);
      changed();
    });
    rates_[static_cast<size_t>(choice - 1)] = option;
  }
  aimCaption_ = createCaption("lbl_AIMDPI");
  aimSlider_ = new QtSkinSlider(this);
  aimSlider_->setObjectName("slider_AIMDPI");
  connect(aimSlider_, &QtSkinSlider::moved, this, [this](int position) {
    dpi_.slider_AIMDPIChange(position);
    changed();
  });
  connect(aimSlider_, &QtSkinSlider::released, this, [this](int pixel, bool) {
    // The AIM positions are 20 pixels apart; the page may draw them closer.
    const int distance = std::max(1, aimSlider_->trackLength() / (kAimPositions - 1));
    dpi_.slider_AIMDPIMouseUp(pixel * kAimPixelsPerPosition / distance);
    changed();
  });
  aimValue_ = newLabel(this, "lbl_AIMDPIValue", Qt::AlignRight | Qt::AlignVCenter);
}

QtAdvancedPageView::Scale QtAdvancedPageView::createScale(const char* sliderName,
                                                          const char* numberPrefix) {
  Scale scale;
  scale.caption = createCaption(QByteArray(sliderName).replace("slider_", "lbl_").constData());
  scale.slider = new QtSkinSlider(this);
  scale.slider->setObjectName(sliderName);
  for (size_t i = 0; i < scale.numbers.size(); ++i) {
    scale.numbers[i] =
        newLabel(this, QStringLiteral("%1%2").arg(numberPrefix).arg(i + 1), Qt::AlignCenter);
    scale.numbers[i]->setText(QString::number(i + 1));
  }
  return scale;
}

void QtAdvancedPageView::createScales() {
  scales_[0] = createScale("slider_spd", "lbl_spd_");
  scales_[1] = createScale("slider_DbSpd", "lbl_DbSpd_");
  scales_[2] = createScale("slider_ScrSpd", "lbl_ScrSpd_");
  for (int scale = 0; scale < 3; ++scale)
    connect(scales_[static_cast<size_t>(scale)].slider, &QtSkinSlider::released, this,
            [this, scale](int pixel, bool) { onScaleReleased(scale, pixel); });
  precision_ = new QtTickOption(this);
  precision_->setObjectName("lbl_IsControl");
  connect(precision_, &QtTickOption::clicked, this, [this] {
    systemMouse_.lbl_IsControlClick();
    changed();
  });
  oneScreen_ = new QtTickOption(this);
  oneScreen_->setObjectName("lbl_IsScreen");
  connect(oneScreen_, &QtTickOption::clicked, this, [this] {
    systemMouse_.lbl_IsScreenClick();
    changed();
  });
}

// The tick of a level: a switched-off level is switched on (and becomes the active one),
// another level becomes the active one, and the active last level is switched off.
void QtAdvancedPageView::onLevelCheck(int level) {
  const bool enabled = dpi_.levels[static_cast<size_t>(level - 1)].enabled;
  const bool last = level == dpi_.enabledLevels;
  if (!enabled || (level == dpi_.activeLevel && last)) {
    covered([this, level] { dpi_.DPILevel_OnClick(level); });
    return;
  }
  dpi_.CurrentDPI_OnClick(level);
  changed();
}

void QtAdvancedPageView::onScaleReleased(int scale, int trackPixel) {
  // The levels are 28 pixels apart; the page may draw them closer.
  constexpr int kLevelPixels = 28;
  const int distance = std::max(1, scales_[static_cast<size_t>(scale)].slider->trackLength() /
                                       (systemmouse::kMaxLevel - systemmouse::kMinLevel));
  const int level = systemmouse::levelAtPixel(trackPixel * kLevelPixels / distance);
  if (scale == 0) systemMouse_.slider_spdMouseUp(level);
  if (scale == 1) systemMouse_.slider_DbSpdMouseUp(level);
  if (scale == 2) systemMouse_.slider_ScrSpdMouseUp(level);
  changed();
}

void QtAdvancedPageView::changed() {
  window_.render();
}

// The state raises its cover flag while the handler sends; the sending lets the event
// loop turn, and the cover is shown then.
void QtAdvancedPageView::covered(const std::function<void()>& handler) {
  QTimer::singleShot(0, cover_, [this] { renderCover(); });
  handler();
  changed();
}

void QtAdvancedPageView::renderCover() {
  cover_->setGeometry(rect());
  cover_->setVisible(dpi_.blockingPanelVisible || fireKeys_.coverVisible);
  if (cover_->isVisible()) cover_->raise();
}

void QtAdvancedPageView::render() {
  layout_.use(window_.state().language());
  const PagePalette palette = pagePalette(layout_.language());
  setGeometry(parentWidget() ? parentWidget()->rect() : rect());
  renderCaptions(palette);
  renderLevels(palette);
  renderAim(palette);
  renderReportRate(palette);
  renderScales(palette);
  fireKeySection_->render(layout_, palette, window_);
  renderCover();
}

void QtAdvancedPageView::renderCaptions(const PagePalette& palette) {
  const QString font = window_.fontName();
  const auto place = [&](QLabel* label, const char* name, CaptionDesign design, const char* text) {
    design.colour = design.size >= 10 ? palette.heading : palette.text;
    layout_.placeCaption(*label, name, design, font);
    label->setText(window_.text(text));
  };
  place(dpiCaption_, "DPI_Setting", kDpiCaption, langkey::caption::kDpiSetting);
  place(pointerCaption_, "Pointer_Setting", kPointerCaption, langkey::caption::kPointerSetting);
  place(rateCaption_, "Report_Rate", kRateCaption, langkey::caption::kUsbReportRate);
}

void QtAdvancedPageView::styleSlider(QtSkinSlider& slider, const PagePalette& palette) {
  const int language = layout_.language();
  slider.setGroove(QtSkin::picture("Bar1_E", language), QtSkin::picture("Bar1_D", language));
  slider.setAccent(palette.accent);
  slider.setProgressStyle(!window_.state().options().dpiLedStatus);
}

void QtAdvancedPageView::renderTick(QtTickOption& option, std::string_view key, QPoint design,
                                    const QString& picture, const QString& caption, int width,
                                    const PagePalette& palette) {
  const int language = layout_.language();
  const QPoint at = layout_.point(key, design);
  option.setGeometry(at.x(), at.y(), width, caption.isEmpty() ? kTickSize.height() : kOptionHeight);
  option.setPicture(picture, QtSkin::picture(picture.toStdString(), language), kTickSize);
  option.setCaption(caption);
  const int size = layout_.value("Size_F", kLevelCaptionSize);
  option.setCaptionStyle(pageFont(window_.fontName(), size),
                         layout_.colour("Color_F_", palette.text));
}

void QtAdvancedPageView::renderLevels(const PagePalette& palette) {
  const QFont font = pageFont(window_.fontName(), layout_.value("Size_F", kLevelCaptionSize));
  const QColor on = layout_.colour("Color_F_", palette.text);
  const QColor off = layout_.colour("Color_F_notSelected_", palette.faint);
  const bool vertical = layout_.value("DPI_Orientation", 0) == 1;
  for (int level = 1; level <= DpiPageState::kLevels; ++level) {
    LevelRow& row = levels_[static_cast<size_t>(level - 1)];
    const DpiLevelControls& controls = dpi_.levels[static_cast<size_t>(level - 1)];
    const int top = kLevelRowTop + kLevelRowHeight * (level - 1);
    const auto designed = [top](QPoint p) { return QPoint(p.x(), top + p.y()); };

    renderTick(*row.check, levelKey(level, "_Check_"), designed(kLevelCheck),
               qt(dpi_.checkPicture(level)), QString(), kTickSize.width(), palette);
    row.check->setDimmed(!controls.enabled);

    const QPoint name = layout_.point(levelKey(level, "_"), designed(kLevelName));
    row.name->setGeometry(QRect(name, kLevelNameSize));
    row.name->setCaption(QStringLiteral("DPI%1").arg(level));
    row.name->setCaptionStyle(font, controls.enabled ? on : off);

    const int distance = layout_.value(levelKey(level, "_Steps_D"), kLevelStepDistance);
    const int track = distance * (dpi_.dpiCount() - 1);
    const QPoint slider = layout_.point(levelKey(level, "_Steps_"), designed(kLevelSlider));
    row.slider->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    row.slider->setTrack(kSliderInset, track);
    const QSize along(track + 2 * kSliderInset, kSliderThickness);
    row.slider->setGeometry(QRect(slider, vertical ? along.transposed() : along));
    styleSlider(*row.slider, palette);
    row.slider->setMaximum(dpi_.sliderMax());
    if (!row.slider->dragging()) row.slider->setPosition(controls.sliderPosition);
    row.slider->setEnabled(controls.enabled);

    const QPoint value = layout_.point(levelKey(level, "_Value_"), designed(kLevelValue));
    row.value->setGeometry(QRect(value, kLevelValueSize));
    setTextStyle(*row.value, font, controls.enabled ? on : off);
    row.value->setText(qt(controls.valueText));

    const QPoint colour = layout_.point(levelKey(level, "_Color_"), designed(kLevelColour));
    row.colour->setGeometry(QRect(colour, kSwatchSize));
    row.colour->setColour(QColor::fromRgb(dpi_.levelColour(level)));
    row.colour->setFrameColour(palette.swatchFrame);
    row.colour->setEnabled(controls.enabled);
  }
}

void QtAdvancedPageView::renderAim(const PagePalette& palette) {
  const QFont font = pageFont(window_.fontName(), layout_.value("Size_F", kLevelCaptionSize));
  const QColor text = layout_.colour("Color_F_", palette.text);
  aimCaption_->setGeometry(QRect(layout_.point("AIMDPI_", kAimName), kAimNameSize));
  setTextStyle(*aimCaption_, font, text);
  aimCaption_->setText(window_.text(langkey::caption::kAimDpi));
  aimCaption_->setStatusTip(window_.text(langkey::caption::kAimDpiNote));

  const int distance = layout_.value("AIMDPI_Steps_D", kAimStepDistance);
  const int track = distance * (kAimPositions - 1);
  aimSlider_->setTrack(kSliderInset, track);
  aimSlider_->setGeometry(QRect(layout_.point("AIMDPI_Steps_", kAimSlider),
                                QSize(track + 2 * kSliderInset, kSliderThickness)));
  styleSlider(*aimSlider_, palette);
  aimSlider_->setMaximum((kAimPositions - 1) * kSliderUnit);
  if (!aimSlider_->dragging()) aimSlider_->setPosition(dpi_.aimSliderPosition);
  aimSlider_->setStatusTip(window_.text(langkey::caption::kAimDpiNote));

  aimValue_->setGeometry(QRect(layout_.point("AIMDPI_Value_", kAimValue), kAimValueSize));
  setTextStyle(*aimValue_, font, text);
  aimValue_->setText(qt(dpi_.aimValueText));
}

void QtAdvancedPageView::renderReportRate(const PagePalette& palette) {
  for (int choice = 1; choice <= ReportRateControl::kRateCount; ++choice) {
    const QPoint design(kFirstRate.x() + kRateDistance * (choice - 1), kFirstRate.y());
    const std::string key = "Rep" + std::to_string(choice) + "_";
    renderTick(*rates_[static_cast<size_t>(choice - 1)], key, design, qt(dpi_.ratePicture(choice)),
               window_.text(
                   std::string(ReportRateControl::kRateTextKeys[static_cast<size_t>(choice - 1)])),
               kRateWidth, palette);
  }
}

void QtAdvancedPageView::renderScale(Scale& scale, std::string_view key, int band, int level,
                                     bool enabled, const PagePalette& palette) {
  const int top = kBandTops[band];
  CaptionDesign caption{kScaleX, top + kScaleCaptionY, kScaleCaptionWidth, kLevelCaptionSize,
                        palette.text};
  layout_.placeCaption(*scale.caption, kScaleCaptionNames[band], caption, window_.fontName());
  scale.caption->setText(window_.text(kScaleTextKeys[band]));

  const std::string prefix(key);
  const QPoint at = layout_.point(prefix, QPoint(kScaleX, top + kScaleY));
  const int distance = layout_.value(prefix + "D", kScaleStepDistance);
  const int track = distance * (systemmouse::kMaxLevel - systemmouse::kMinLevel);
  scale.slider->setTrack(kSliderInset, track);
  scale.slider->setGeometry(at.x(), at.y(), track + 2 * kSliderInset, kSliderThickness);
  styleSlider(*scale.slider, palette);
  scale.slider->setMaximum(systemmouse::kMaxLevel - systemmouse::kMinLevel);
  if (!scale.slider->dragging()) scale.slider->setPosition(level - systemmouse::kMinLevel);
  scale.slider->setEnabled(enabled);

  const bool numbersShown = window_.state().options().numMouseOrder != -1;
  const QFont font = pageFont(window_.fontName(), kNumberSize);
  for (size_t i = 0; i < scale.numbers.size(); ++i) {
    QLabel* number = scale.numbers[i];
    const int centre =
        at.x() + static_cast<int>(i) * distance + kScaleNumberOffset + kScaleNumberWidth / 2;
    number->setGeometry(centre - kScaleNumberBox / 2, at.y() + kScaleNumbersY, kScaleNumberBox,
                        2 * kNumberSize);
    setTextStyle(*number, font, enabled ? palette.hint : palette.faint);
    number->setVisible(numbersShown);
  }
}

void QtAdvancedPageView::renderScales(const PagePalette& palette) {
  renderScale(scales_[0], kScaleKeys[0], 0, systemMouse_.speedLevel, true, palette);
  renderScale(scales_[1], kScaleKeys[1], 1, systemMouse_.doubleClickLevel, true, palette);
  renderScale(scales_[2], kScaleKeys[2], 2, systemMouse_.scrollLevel,
              systemMouse_.scrollScaleEnabled(), palette);
  renderTick(*precision_, "IsControl_", QPoint(kScaleOptionX, kBandTops[0] + kScaleOptionY),
             systemMouse_.enhancePrecision ? DpiPageState::kChecked : DpiPageState::kUnchecked,
             window_.text(langkey::caption::kEnhancePointerPrecision), kScaleOptionWidth, palette);
  renderTick(*oneScreen_, "IsScreen_", QPoint(kScaleOptionX, kBandTops[2] + kScaleOptionY),
             systemMouse_.oneScreenAtATime ? DpiPageState::kChecked : DpiPageState::kUnchecked,
             window_.text(langkey::caption::kScrollOneScreen), kScaleOptionWidth, palette);
}

}  // namespace mousecfg
