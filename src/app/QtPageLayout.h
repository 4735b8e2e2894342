#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/LayoutFile.h"

class QLabel;

namespace mousecfg {

// The text colours the Advanced and lighting pages were drawn with: dark text on the
// light skins (languages 1 and 3), light text on the dark skin (language 2).
struct PagePalette {
  QColor heading;  // frame captions
  QColor text;     // control captions (text group F)
  QColor faint;    // switched-off controls (group F "notSelected")
  QColor hint;     // notes and scale numbers
  QColor accent;   // thumbs, highlights
  QColor swatchFrame;
};
PagePalette pagePalette(int language);
// Language 2 goes with the dark skin.
bool isDarkSkin(int language);

// A caption of the "_Lable_" family as the page was designed: place, width, size, colour.
struct CaptionDesign {
  int x = 0;
  int y = 0;
  int width = 0;
  int size = 9;
  QColor colour;
};

// One language's layout section, read with the fallbacks the caller designed: a key the
// section lacks gives exactly the design's value.
class QtPageLayout {
 public:
  // Loads the layout of `language` unless it is the one already loaded.
  void use(int language);
  int language() const { return language_; }

  int value(std::string_view key, int fallback) const;
  QPoint point(std::string_view prefix, QPoint fallback) const;   // prefix + "X", "Y"
  QColor colour(std::string_view prefix, QColor fallback) const;  // prefix + "R", "G", "B"
  // Places a "_Lable_" caption: name + "_Lable_X/_Y/_R/_G/_B/_Size/_Width"; its height is
  // twice its font size.
  void placeCaption(QLabel& label, std::string_view name, const CaptionDesign& design,
                    const QString& fontName) const;

  // Called with every key read and the value it gave (fallback included); for tools
  // that list the keys a page uses.
  std::function<void(std::string_view key, int value)> onRead;

 private:
  int language_ = 0;
  std::optional<LayoutFile> file_;
};

QFont pageFont(const QString& family, int pointSize);

}  // namespace mousecfg
