#include "app/QtFunctionMenuStyle.h"

#include "app/QtPageLayout.h"

namespace mousecfg {

namespace {

constexpr int kFontSize = 9;
const QColor kText("#e6e9ee");
const QColor kBackground("#1b1f26");
const QColor kBorder("#3b424e");
const QColor kHoverText("#0b0e12");

}  // namespace

FunctionMenuStyle functionMenuStyle(const QtPageLayout& layout, const QString& fontName,
                                    const QString& markerText) {
  const QColor accent = pagePalette(layout.language()).accent;
  FunctionMenuStyle style;
  style.font = pageFont(fontName, layout.value("Size_M", kFontSize));
  style.text = layout.colour("Color_M_", kText);
  style.background = layout.colour("Color_M_Back_", kBackground);
  style.border = layout.colour("Color_M_Border_", kBorder);
  style.hoverText = layout.colour("Color_M_SF_", kHoverText);
  style.hoverBackground = layout.colour("Color_M_SP_", accent);
  style.marker = layout.colour("Color_M_notSelected_", accent);
  style.openCategory = layout.colour("Color_M_Selected_", accent);
  style.markerText = markerText;
  return style;
}

}  // namespace mousecfg
