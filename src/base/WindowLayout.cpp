#include "base/WindowLayout.h"

#include <string>

#include "base/LanguageTables.h"

namespace mousecfg {

namespace {

constexpr int kDefaultFontSize = 9;
constexpr char kFirstGroup = 'A';
constexpr char kLastGroup = 'M';

std::string key(std::string_view family, std::string_view suffix) {
  std::string name(family);
  name += suffix;
  return name;
}

uint32_t colour(const LayoutFile& layout, std::string_view prefix) {
  const auto component = [&](std::string_view c) {
    return static_cast<uint32_t>(layout.integer(key(prefix, c), 0) & 0xFF);
  };
  return component("_R") << 16 | component("_G") << 8 | component("_B");
}

// A page or window button: picture at (X, Y), caption inset from both ends.
Placement pictureButton(const LayoutFile& layout, std::string_view family, Size picture,
                        int spaceFront, int spaceBack) {
  Placement placement;
  placement.visible = layout.enabled(key(family, "_Enable"));
  const int x = layout.integer(key(family, "_X"), 0);
  const int y = layout.integer(key(family, "_Y"), 0);
  placement.picture = {x, y, picture.width, picture.height};
  placement.label = {x + spaceFront, y, picture.width - spaceFront - spaceBack, picture.height};
  return placement;
}

// A control without caption inset: the label takes the picture's place and size.
Placement overlaidLabel(bool visible, int x, int y, Size picture) {
  const Rect rect{x, y, picture.width, picture.height};
  return {visible, rect, rect};
}

}  // namespace

const Placement& WindowLayout::button(std::string_view name) const {
  static const Placement kHidden;
  const auto found = buttons.find(name);
  return found == buttons.end() ? kHidden : found->second;
}

TextStyle WindowLayout::group(char name) const {
  const auto found = groups.find(name);
  return found == groups.end() ? TextStyle{} : found->second;
}

WindowLayout applyLayout(const LayoutFile& layout, const ProgramOptions& options, int language,
                         const PictureSizes& pictureSize) {
  WindowLayout result;
  for (char g = kFirstGroup; g <= kLastGroup; ++g) {
    const std::string name(1, g);
    result.groups[g] = {layout.integer(key("Size_", name), kDefaultFontSize),
                        colour(layout, key("Color_", name))};
  }

  const int spaceFront = layout.integer("Btn_Space_F", 0);
  const int spaceBack = layout.integer("Btn_Space_B", 0);
  const Size pageButton = pictureSize(kPictureButtonNormal);
  for (const PictureButtonSpec& spec : kPageButtons)
    result.buttons[std::string(spec.name)] =
        pictureButton(layout, spec.layoutKey, pageButton, spaceFront, spaceBack);
  for (const PictureButtonSpec& spec : kWindowButtons) {
    const std::string_view picture = spec.name == "Btn_Exit"   ? kPictureExit
                                     : spec.name == "Btn_Mini" ? kPictureMinimise
                                                               : kPictureWindowButton;
    result.buttons[std::string(spec.name)] =
        pictureButton(layout, spec.layoutKey, pictureSize(picture), 0, 0);
  }
  result.engineerButton = overlaidLabel(true, kEngineerButtonX, kEngineerButtonY,
                                        {kEngineerButtonSize, kEngineerButtonSize});

  for (int n = 1; n <= kPagePictureCount; ++n) {
    const std::string family = key("P", std::to_string(n));
    const Size picture =
        n <= 4 ? pictureSize(skinPictureName(language, key("Back", std::to_string(n)))) : Size{};
    result.pagePictures[static_cast<size_t>(n - 1)] = {layout.integer(family + "_X", 0),
                                                       layout.integer(family + "_Y", 0),
                                                       picture.width, picture.height};
  }

  const Size keyPicture = pictureSize(kPictureKeyNormal);
  for (int n = 1; n <= kKeyLabelCount; ++n) {
    const std::string family = key("Key", std::to_string(n));
    result.keys[static_cast<size_t>(n - 1)] =
        overlaidLabel(layout.enabled(family + "_Enable"), layout.integer(family + "_X", 0),
                      layout.integer(family + "_Y", 0), keyPicture);
  }

  result.web = overlaidLabel(true, options.webX, options.webY, pictureSize(kPictureWebNormal));

  const int hintSize = layout.integer("Hint_Lable_Size", kDefaultFontSize);
  result.hint = {{layout.integer("Hint_Lable_X", 0), layout.integer("Hint_Lable_Y", 0),
                  layout.integer("Hint_Lable_Width", 0), 2 * hintSize},
                 {hintSize, colour(layout, "Hint_Lable")}};
  return result;
}

}  // namespace mousecfg
