#include "SkinCatalog.h"

#include "AppIcon.h"
#include "CaptionButton.h"
#include "DialogBackground.h"
#include "FrameButton.h"
#include "GunPicture.h"
#include "GunShapes.h"
#include "MacroEventIcons.h"
#include "PagePictures.h"
#include "SkinPalette.h"
#include "SmallControls.h"
#include "WebButton.h"
#include "WindowBackground.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

using Painter = std::function<QImage(const SkinPalette&)>;

constexpr qreal kPageButtonRadius = 8;
constexpr qreal kKeyLabelRadius = 7;
constexpr qreal kPushButtonRadius = 7;

Painter captionButton(QSize size, ButtonState state, qreal radius) {
  return [=](const SkinPalette& p) { return paintCaptionButton(size, p, state, radius); };
}

Painter frameButton(FrameButtonKind kind, FrameButtonState state) {
  return [=](const SkinPalette& p) { return paintFrameButton(kind, state, p); };
}

// The pictures every set has, by name without the set prefix, in a stable order.
std::vector<std::pair<QString, Painter>> setPictures() {
  std::vector<std::pair<QString, Painter>> pictures = {
      {"BackGround", paintWindowBackground},
      {"Back1", paintKeyPage},
      {"Back2", paintAdvancedPage},
      {"Back3", paintLightingPage},
      {"Back4", paintMacroPage},
      {"Back5", paintUpdatePage},
      {"Back6", paintGunPage},
      {"SetS_01", captionButton(kPageButtonSize, ButtonState::Normal, kPageButtonRadius)},
      {"SetS_03", captionButton(kPageButtonSize, ButtonState::Selected, kPageButtonRadius)},
      {"KeyS_01", captionButton(kKeyLabelSize, ButtonState::Normal, kKeyLabelRadius)},
      {"KeyS_02", captionButton(kKeyLabelSize, ButtonState::Selected, kKeyLabelRadius)},
      {"BtnS_01", captionButton(kPushButtonSize, ButtonState::Normal, kPushButtonRadius)},
      {"BtnS_02", captionButton(kPushButtonSize, ButtonState::Hover, kPushButtonRadius)},
      {"BtnS_03", captionButton(kPushButtonSize, ButtonState::Pressed, kPushButtonRadius)},
      {"WebS_01", [](const SkinPalette& p) { return paintWebButton(p, ButtonState::Normal); }},
      {"WebS_03", [](const SkinPalette& p) { return paintWebButton(p, ButtonState::Pressed); }},
      {"ExitS_01", frameButton(FrameButtonKind::Exit, FrameButtonState::Normal)},
      {"ExitS_02", frameButton(FrameButtonKind::Exit, FrameButtonState::Hover)},
      {"ExitS_03", frameButton(FrameButtonKind::Exit, FrameButtonState::Pressed)},
      {"MinS_01", frameButton(FrameButtonKind::Minimise, FrameButtonState::Normal)},
      {"MinS_02", frameButton(FrameButtonKind::Minimise, FrameButtonState::Hover)},
      {"MinS_03", frameButton(FrameButtonKind::Minimise, FrameButtonState::Pressed)},
      {"CbS_E", [](const SkinPalette& p) { return paintCheckBox(p, true); }},
      {"CbS_D", [](const SkinPalette& p) { return paintCheckBox(p, false); }},
      {"RdS_E", [](const SkinPalette& p) { return paintRadio(p, true); }},
      {"RdS_D", [](const SkinPalette& p) { return paintRadio(p, false); }},
      {"Bar1_E", [](const SkinPalette& p) { return paintGroove(p, true); }},
      {"Bar1_D", [](const SkinPalette& p) { return paintGroove(p, false); }},
      {"Msg", paintDialogBackground},
  };
  for (int gun = 1; gun <= kGunCount; ++gun) {
    for (int state = 1; state <= 2; ++state) {
      const QString name = QString("Gun%1_%2").arg(gun).arg(state, 2, 10, QChar('0'));
      pictures.emplace_back(
          name, [gun, state](const SkinPalette& p) { return paintGunPicture(p, gun, state == 2); });
    }
  }
  for (int kind = 0; kind < kMacroEventKindCount; ++kind) {
    pictures.emplace_back(QString("MacroEvent%1").arg(kind),
                          [kind](const SkinPalette& p) { return paintMacroEventIcon(p, kind); });
  }
  return pictures;
}

bool isPageArtwork(const QString& name) {
  return name == "BackGround" || name.startsWith("Back");
}

QString setName(int set, const QString& name) {
  return QString("L%1_%2").arg(set).arg(name);
}

}  // namespace

std::vector<SkinPicture> skinCatalog() {
  std::vector<SkinPicture> catalog;
  for (const auto& [name, painter] : setPictures()) {
    for (int set = kFirstSkinSet; set <= kLastSkinSet; ++set)
      catalog.push_back({setName(set, name), [painter, set] { return painter(skinPalette(set)); }});
    if (!isPageArtwork(name))
      catalog.push_back({name, [painter] { return painter(skinPalette(kFirstSkinSet)); }});
  }
  catalog.push_back({"AppIcon", [] { return paintAppIcon(skinPalette(kFirstSkinSet)); }});
  return catalog;
}

QImage paintSetPicture(int set, const QString& name) {
  for (const auto& [pictureName, painter] : setPictures())
    if (pictureName == name) return painter(skinPalette(set));
  return {};
}

}  // namespace mousecfg::skin
