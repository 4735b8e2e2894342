#include "ContentCard.h"

#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kSectionRadius = 8;
constexpr qreal kSectionHeaderHeight = 28;

void paintHeaderMark(QPainter& painter, const SkinPalette& palette, const QRectF& header) {
  const QRectF mark(header.left() + 10, header.center().y() - 7, 3, 14);
  QLinearGradient gradient = verticalGradient(mark, palette.accent, palette.accentDeep);
  painter.fillPath(roundedRect(mark, 1.5), gradient);
}

}  // namespace

void paintContentCard(QPainter& painter, const SkinPalette& palette, const QRectF& card) {
  const QPainterPath shape = roundedRect(card, kCardRadius);
  painter.fillPath(shape, verticalGradient(card, palette.panelTop, palette.panelBottom));
  paintInnerShadow(painter, shape, palette.panelShade, 6, QPointF(0, 2));
  strokeCrisp(painter, card, kCardRadius, withAlpha(palette.panelBorder, 200));
}

void paintSectionFrame(QPainter& painter, const SkinPalette& palette, const QRectF& rect,
                       bool withHeader) {
  const QPainterPath shape = roundedRect(rect, kSectionRadius);
  const QColor shadow = palette.darkContent ? QColor(0, 0, 0, 70) : QColor(30, 40, 52, 28);
  paintSoftShape(painter, shape, shadow, 3, QPointF(0, 1));
  painter.fillPath(shape, palette.sectionFill);
  if (withHeader) {
    const QRectF header(rect.left(), rect.top(), rect.width(), kSectionHeaderHeight);
    painter.save();
    painter.setClipPath(shape);
    painter.fillRect(header, verticalGradient(header,
                                              mix(palette.sectionHeader, Qt::white,
                                                  palette.darkContent ? 0.02 : 0.35),
                                              palette.sectionHeader));
    painter.fillRect(QRectF(rect.left(), header.bottom(), rect.width(), 1), palette.sectionBorder);
    painter.restore();
    paintHeaderMark(painter, palette, header);
  }
  strokeCrisp(painter, rect, kSectionRadius, palette.sectionBorder);
  paintTopHighlight(painter, rect, kSectionRadius,
                    palette.darkContent ? QColor(255, 255, 255, 22) : QColor(255, 255, 255, 230));
}

void paintWell(QPainter& painter, const SkinPalette& palette, const QRectF& rect) {
  const QPainterPath shape = roundedRect(rect, 6);
  painter.fillPath(shape, palette.wellFill);
  paintInnerShadow(painter, shape,
                   palette.darkContent ? QColor(0, 0, 0, 120) : QColor(30, 40, 52, 40), 3,
                   QPointF(0, 1));
  strokeCrisp(painter, rect, 6, palette.wellBorder);
}

void paintDivider(QPainter& painter, const SkinPalette& palette, qreal x1, qreal x2, qreal y) {
  QLinearGradient gradient(QPointF(x1, y), QPointF(x2, y));
  const QColor line = palette.sectionBorder;
  gradient.setColorAt(0, withAlpha(line, 0));
  gradient.setColorAt(0.15, line);
  gradient.setColorAt(0.85, line);
  gradient.setColorAt(1, withAlpha(line, 0));
  painter.fillRect(QRectF(x1, y, x2 - x1, 1), gradient);
}

}  // namespace mousecfg::skin
