#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "base/LayoutFile.h"
#include "base/ProgramOptions.h"
#include "base/WindowControls.h"

namespace mousecfg {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

// Where a picture control and its caption go, and whether they are shown at all.
struct Placement {
  bool visible = false;
  Rect picture;
  Rect label;
};

// A text group's font size and colour (0xRRGGBB).
struct TextStyle {
  int size = 9;
  uint32_t rgb = 0;
  bool operator==(const TextStyle&) const = default;
};

// A caption label of the "_Lable_" family.
struct LabelPlacement {
  Rect rect;
  TextStyle style;
};

// The result of one layout pass: every control's place and every text group's look.
struct WindowLayout {
  std::map<std::string, Placement, std::less<>> buttons;  // by control name
  Placement engineerButton;
  std::array<Placement, kKeyLabelCount> keys;
  std::array<Rect, kPagePictureCount> pagePictures;  // P1..P6 (size of the picture)
  Placement web;
  LabelPlacement hint;
  std::map<char, TextStyle> groups;  // 'A'..'M'

  const Placement& button(std::string_view name) const;
  TextStyle group(char name) const;
};

// The size of a skin picture by name ("SetS_01", "L1_Back1"); {0, 0} when unknown.
using PictureSizes = std::function<Size(std::string_view picture)>;

// Applies a language's layout section: a missing key leaves its control hidden
// (flags) or at 0 (coordinates), and never stops the pass. Coordinates are used
// unchanged, so a control far outside the window is simply not seen.
WindowLayout applyLayout(const LayoutFile& layout, const ProgramOptions& options, int language,
                         const PictureSizes& pictureSize);

}  // namespace mousecfg
