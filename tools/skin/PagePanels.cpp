#include "ContentCard.h"
#include "PagePictures.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kMargin = 16;
constexpr qreal kGap = 14;
constexpr qreal kHeader = 28;
const QRectF kCard(0, 0, kContentPanel.width(), kContentCardHeight);

QRectF wellBelowHeader(const QRectF& frame) {
  return frame.adjusted(10, kHeader + 10, -10, -10);
}

// Faint row lines inside a frame, below its header.
void paintRows(QPainter& painter, const SkinPalette& palette, const QRectF& frame, int rows) {
  const qreal top = frame.top() + kHeader;
  const qreal step = (frame.bottom() - top) / rows;
  for (int i = 1; i < rows; ++i)
    paintDivider(painter, palette, frame.left() + 8, frame.right() - 8, std::floor(top + i * step));
}

void paintSpectrumMark(QPainter& painter, const QRectF& frame) {
  const QRectF bar(frame.left() + 10, frame.top() + kHeader / 2 - 7, 3, 14);
  QLinearGradient hues(bar.topLeft(), bar.bottomLeft());
  const QColor stops[] = {QColor("#ff4d4d"), QColor("#ffd24d"), QColor("#4dff88"),
                          QColor("#4dc3ff"), QColor("#b04dff")};
  for (int i = 0; i < 5; ++i) hues.setColorAt(i / 4.0, stops[i]);
  painter.fillPath(roundedRect(bar, 1.5), hues);
}

}  // namespace

QImage paintEmptyPage(const SkinPalette& palette) {
  QImage image = newCanvas(kContentPanel.size());
  QPainter painter(&image);
  prepare(painter);
  paintContentCard(painter, palette, kCard);
  return image;
}

// Two columns of two frames each, which the layout's Advanced keys fill: on the left the
// DPI levels with the AIM DPI as a ninth row, and the report rate below; on the right the
// three pointer scales, and the fire keys below (a row of column captions, then a row per
// key).
QImage paintAdvancedPage(const SkinPalette& palette) {
  constexpr qreal kDpiHeight = kHeader + 9 * 34;
  constexpr qreal kPointerHeight = kHeader + 3 * 78;
  constexpr qreal kFireKeyCaptions = 24;
  constexpr qreal kFireKeyRow = 26;
  constexpr int kFireKeys = 3;
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const qreal columnWidth = (kCard.width() - 2 * kMargin - kGap) / 2;
  const qreal bottom = kCard.height() - 10;
  const qreal rightX = kMargin + columnWidth + kGap;
  const QRectF dpi(kMargin, kMargin, columnWidth, kDpiHeight);
  const QRectF rate(kMargin, dpi.bottom() + 12, columnWidth, bottom - dpi.bottom() - 12);
  const QRectF pointer(rightX, kMargin, columnWidth, kPointerHeight);
  const QRectF fireKeys(rightX, pointer.bottom() + 12, columnWidth, bottom - pointer.bottom() - 12);
  paintSectionFrame(painter, palette, dpi, true);
  paintRows(painter, palette, dpi, 9);
  paintSectionFrame(painter, palette, rate, true);
  paintSectionFrame(painter, palette, pointer, true);
  paintRows(painter, palette, pointer, 3);
  paintSectionFrame(painter, palette, fireKeys, true);
  const qreal firstRow = fireKeys.top() + kHeader + kFireKeyCaptions;
  for (int row = 1; row < kFireKeys; ++row)
    paintDivider(painter, palette, fireKeys.left() + 8, fireKeys.right() - 8,
                 firstRow + row * kFireKeyRow);
  return image;
}

QImage paintLightingPage(const SkinPalette& palette) {
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const QRectF effects(kMargin, kMargin, 240, kCard.height() - 2 * kMargin);
  paintSectionFrame(painter, palette, effects, true);
  paintWell(painter, palette, wellBelowHeader(effects));
  const qreal x = effects.right() + kGap;
  const qreal width = kCard.width() - kMargin - x;
  const QRectF speed(x, kMargin, width, 118);
  const QRectF brightness(x, speed.bottom() + 12, width, 118);
  const QRectF colour(x, brightness.bottom() + 12, width,
                      effects.bottom() - brightness.bottom() - 12);
  paintSectionFrame(painter, palette, speed, true);
  paintSectionFrame(painter, palette, brightness, true);
  paintSectionFrame(painter, palette, colour, true);
  paintSpectrumMark(painter, colour);
  return image;
}

QImage paintMacroPage(const SkinPalette& palette) {
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const qreal width = (kCard.width() - 2 * kMargin - 2 * kGap) / 3;
  for (int i = 0; i < 3; ++i) {
    const QRectF column(kMargin + i * (width + kGap), kMargin, width, kCard.height() - 2 * kMargin);
    paintSectionFrame(painter, palette, column, true);
    paintWell(painter, palette, wellBelowHeader(column));
  }
  return image;
}

}  // namespace mousecfg::skin
