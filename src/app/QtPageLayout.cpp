#include "app/QtPageLayout.h"

#include <QLabel>
#include <algorithm>

#include "base/LayoutSet.h"

namespace mousecfg {

namespace {

constexpr int kDarkSkinLanguage = 2;

}  // namespace

bool isDarkSkin(int language) {
  return language == kDarkSkinLanguage;
}

namespace {

std::string joined(std::string_view prefix, std::string_view suffix) {
  std::string key(prefix);
  key += suffix;
  return key;
}

}  // namespace

PagePalette pagePalette(int language) {
  if (isDarkSkin(language))
    return {QColor(236, 239, 243), QColor(222, 226, 232),    QColor(104, 112, 124),
            QColor(140, 150, 162), QColor(0x19, 0xc6, 0xd1), QColor(255, 255, 255, 70)};
  const QColor accent = language == 3 ? QColor(0xf0, 0xa0, 0x30) : QColor(0x19, 0xc6, 0xd1);
  return {
      QColor(40, 44, 52), QColor(34, 38, 46), QColor(160, 166, 174), QColor(112, 120, 130), accent,
      QColor(0, 0, 0, 80)};
}

QFont pageFont(const QString& family, int pointSize) {
  QFont font(family);
  font.setPointSize(std::max(1, pointSize));
  return font;
}

void QtPageLayout::use(int language) {
  if (file_ && language == language_) return;
  language_ = language;
  file_ = builtInLayout(language);
}

int QtPageLayout::value(std::string_view key, int fallback) const {
  const int result = file_ ? file_->integer(key, fallback) : fallback;
  if (onRead) onRead(key, result);
  return result;
}

QPoint QtPageLayout::point(std::string_view prefix, QPoint fallback) const {
  return {value(joined(prefix, "X"), fallback.x()), value(joined(prefix, "Y"), fallback.y())};
}

QColor QtPageLayout::colour(std::string_view prefix, QColor fallback) const {
  const auto component = [&](std::string_view part, int design) {
    return std::clamp(value(joined(prefix, part), design), 0, 255);
  };
  return QColor(component("R", fallback.red()), component("G", fallback.green()),
                component("B", fallback.blue()), fallback.alpha());
}

void QtPageLayout::placeCaption(QLabel& label, std::string_view name, const CaptionDesign& design,
                                const QString& fontName) const {
  const std::string prefix = joined(name, "_Lable_");
  const int size = value(joined(prefix, "Size"), design.size);
  const QPoint at = point(prefix, QPoint(design.x, design.y));
  const int width = value(joined(prefix, "Width"), design.width);
  label.setFont(pageFont(fontName, size));
  label.setStyleSheet(QStringLiteral("color: %1; background: transparent;")
                          .arg(colour(prefix, design.colour).name()));
  label.setGeometry(at.x(), at.y(), width, 2 * size);
}

}  // namespace mousecfg
