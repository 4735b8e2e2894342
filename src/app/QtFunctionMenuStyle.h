#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace mousecfg {

class QtPageLayout;

// How the function menu's panels look. The layout's menu text group M sets them
// (Size_M, Color_M_*); the skin's own menu look stands in for a key the layout lacks:
// dark panels with a thin border in every skin, the skin's accent under the pointer.
struct FunctionMenuStyle {
  QFont font;
  QColor text;             // Color_M
  QColor background;       // Color_M_Back
  QColor border;           // Color_M_Border
  QColor hoverText;        // Color_M_SF: the item under the pointer
  QColor hoverBackground;  // Color_M_SP
  QColor marker;           // Color_M_notSelected: the bullet and a category's arrow
  QColor openCategory;     // Color_M_Selected: a category whose sub-menu is open
  QString markerText;      // the bullet (langkey::menu::kMarker) the captions start with
};

FunctionMenuStyle functionMenuStyle(const QtPageLayout& layout, const QString& fontName,
                                    const QString& markerText);

}  // namespace mousecfg
