#include "WindowBackground.h"

#include "BrandMark.h"
#include "ContentCard.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

void paintHeader(QPainter& painter, const SkinPalette& palette) {
  const QRectF header(0, 0, kWindowWidth, kHeaderHeight);
  painter.fillRect(header, verticalGradient(header, palette.headerTop, palette.headerBottom));
  // A soft accent light behind the brand corner.
  QRadialGradient glow(QPointF(40, 0), 260);
  glow.setColorAt(0, withAlpha(palette.accent, 34));
  glow.setColorAt(1, withAlpha(palette.accent, 0));
  painter.fillRect(header, glow);
  painter.fillRect(QRectF(0, kHeaderHeight - 1, kWindowWidth, 1), palette.frameLine);
  QLinearGradient line(QPointF(0, 0), QPointF(kWindowWidth, 0));
  line.setColorAt(0, withAlpha(palette.accent, 0));
  line.setColorAt(0.08, withAlpha(palette.accent, 200));
  line.setColorAt(0.45, withAlpha(palette.accent, 40));
  line.setColorAt(1, withAlpha(palette.accent, 0));
  painter.fillRect(QRectF(0, kHeaderHeight - 1, kWindowWidth, 1), line);
  paintBrandMark(painter, palette, kBrandMark);
}

void paintNavigationColumn(QPainter& painter, const SkinPalette& palette) {
  const QRectF column = kNavigationColumn;
  const QPainterPath shape = roundedRect(column, kCardRadius);
  painter.fillPath(shape, verticalGradient(column, palette.sideTop, palette.sideBottom));
  strokeCrisp(painter, column, kCardRadius, palette.sideBorder);
  paintTopHighlight(painter, column, kCardRadius, QColor(255, 255, 255, 18));
  // Separates the page buttons from the language buttons.
  const qreal y = 412;
  QLinearGradient divider(QPointF(column.left() + 12, y), QPointF(column.right() - 12, y));
  divider.setColorAt(0, withAlpha(palette.frameLine, 0));
  divider.setColorAt(0.5, QColor("#353a44"));
  divider.setColorAt(1, withAlpha(palette.frameLine, 0));
  painter.fillRect(QRectF(column.left() + 12, y, column.width() - 24, 1), divider);
}

// The footer under the card: a faint band for the hint line and the profile buttons.
void paintFooter(QPainter& painter, const SkinPalette& palette) {
  const QRectF band(kContentPanel.x(), kContentPanel.y() + kContentCardHeight + 6,
                    kContentPanel.width(), 0);
  const QRectF footer(band.left(), band.top(), band.width(), kWindowHeight - 8 - band.top());
  painter.fillPath(
      roundedRect(footer, kCardRadius),
      verticalGradient(footer, mix(palette.frameBase, Qt::white, 0.035), palette.frameBase));
}

void paintCard(QPainter& painter, const SkinPalette& palette) {
  const QRectF card(kContentPanel.x(), kContentPanel.y(), kContentPanel.width(),
                    kContentCardHeight);
  paintSoftShape(painter, roundedRect(card, kCardRadius), QColor(0, 0, 0, 120), 8, QPointF(0, 3));
  paintContentCard(painter, palette, card);
}

void paintOutline(QPainter& painter, const QRectF& window) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor("#050608"), 1));
  painter.drawRoundedRect(window.adjusted(0.5, 0.5, -0.5, -0.5), kWindowRadius - 0.5,
                          kWindowRadius - 0.5);
  painter.setPen(QPen(QColor(255, 255, 255, 20), 1));
  painter.drawRoundedRect(window.adjusted(1.5, 1.5, -1.5, -1.5), kWindowRadius - 1.5,
                          kWindowRadius - 1.5);
  painter.restore();
}

}  // namespace

QImage paintWindowBackground(const SkinPalette& palette) {
  QImage image = newCanvas(kWindowWidth, kWindowHeight);
  QPainter painter(&image);
  prepare(painter);
  const QRectF window(0, 0, kWindowWidth, kWindowHeight);
  const QPainterPath shape = roundedRect(window, kWindowRadius);
  painter.fillPath(shape, palette.frameBase);
  painter.setClipPath(shape);
  paintHeader(painter, palette);
  paintNavigationColumn(painter, palette);
  paintCard(painter, palette);
  paintFooter(painter, palette);
  painter.setClipping(false);
  paintOutline(painter, window);
  return image;
}

}  // namespace mousecfg::skin
