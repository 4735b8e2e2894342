#include "MacroEventIcons.h"

#include <QtMath>
#include <cmath>

#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kLineWidth = 1.5;
constexpr qreal kArrowWidth = 1.7;
constexpr qreal kHeadSize = 3.4;       // an arrow head's length and half width
constexpr qreal kSmallHeadSize = 2.5;  // for the four arrows of a movement

// The two inks of an icon: the outline in the set's ink (dark on the light wells, light
// on the dark one, like the list's text), the moving part in the accent. The light sets
// take the deep accent, which holds up on their near-white well.
struct Inks {
  QColor outline;
  QColor accent;
};

Inks inksFor(const SkinPalette& palette) {
  return {palette.silhouette, palette.darkContent ? palette.accent : palette.accentDeep};
}

QPen roundPen(const QColor& colour, qreal width) {
  return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPointF unit(QPointF direction) {
  return direction / std::hypot(direction.x(), direction.y());
}

// A line from from to to with an open head at to, in the painter's pen.
void paintStraightArrow(QPainter& painter, QPointF from, QPointF to, qreal headSize = kHeadSize) {
  const QPointF along = unit(to - from);
  const QPointF across(-along.y(), along.x());
  const QPointF back = to - along * headSize;
  painter.drawLine(from, to);
  QPainterPath head;
  head.moveTo(back + across * headSize);
  head.lineTo(to);
  head.lineTo(back - across * headSize);
  painter.drawPath(head);
}

// A solid triangular head whose base is centred on base, pointing along direction.
void paintSolidHead(QPainter& painter, const QColor& colour, QPointF base, QPointF direction) {
  constexpr qreal kLength = 3.6;
  constexpr qreal kHalfWidth = 2.9;
  const QPointF along = unit(direction);
  const QPointF across(-along.y(), along.x());
  QPainterPath head;
  head.moveTo(base + across * kHalfWidth);
  head.lineTo(base + along * kLength);
  head.lineTo(base - across * kHalfWidth);
  head.closeSubpath();
  painter.fillPath(head, colour);
}

// Key cap seen from the front, on the lower part of the icon.
void paintKeyCap(QPainter& painter, const Inks& inks) {
  painter.setPen(roundPen(inks.outline, kLineWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(3.75, 13.75, 12.5, 4.5), 1.75, 1.75);
}

void paintDelay(QPainter& painter, const Inks& inks) {
  const QPointF centre(10, 11.25);
  painter.setPen(roundPen(inks.outline, kLineWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, 6.25, 6.25);
  painter.drawLine(QPointF(10, 3), QPointF(10, 5));           // stem
  painter.drawLine(QPointF(8.25, 2.5), QPointF(11.75, 2.5));  // crown
  painter.drawLine(QPointF(15, 5.5), QPointF(16.25, 4.25));   // side button
  painter.setPen(roundPen(inks.accent, kArrowWidth));
  painter.drawLine(centre, centre + QPointF(0, -3.75));
  painter.drawLine(centre, centre + QPointF(2.5, 1.5));
}

void paintPress(QPainter& painter, const Inks& inks) {
  paintKeyCap(painter, inks);
  painter.setPen(roundPen(inks.accent, kArrowWidth));
  paintStraightArrow(painter, QPointF(10, 2.25), QPointF(10, 11.25));
}

void paintRelease(QPainter& painter, const Inks& inks) {
  paintKeyCap(painter, inks);
  painter.setPen(roundPen(inks.accent, kArrowWidth));
  paintStraightArrow(painter, QPointF(10, 11.25), QPointF(10, 2.25));
}

void paintMove(QPainter& painter, const Inks& inks) {
  const QPointF centre(10, 10);
  painter.setPen(roundPen(inks.accent, kArrowWidth));
  for (const QPointF way : {QPointF(0, -1), QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0)})
    paintStraightArrow(painter, centre + way * 3, centre + way * 8, kSmallHeadSize);
  painter.setPen(Qt::NoPen);
  painter.setBrush(inks.outline);
  painter.drawEllipse(centre, 1.6, 1.6);
}

void paintOther(QPainter& painter, const Inks& inks) {
  painter.setPen(roundPen(inks.outline, kLineWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(4.25, 4.25, 11.5, 11.5), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(inks.accent);
  painter.drawEllipse(QPointF(10, 10), 2.1, 2.1);
}

// A clockwise circular arrow around centre, open at the top, its head pointing into
// the opening.
void paintCircularArrow(QPainter& painter, const Inks& inks, QPointF centre) {
  constexpr qreal kRadius = 4.75;
  constexpr qreal kStartDegrees = 60;  // Qt's angles: counter-clockwise from three o'clock
  constexpr qreal kSweepDegrees = -285;
  const QRectF circle(centre - QPointF(kRadius, kRadius), QSizeF(2 * kRadius, 2 * kRadius));
  QPainterPath arc;
  arc.arcMoveTo(circle, kStartDegrees);
  arc.arcTo(circle, kStartDegrees, kSweepDegrees);
  painter.setPen(roundPen(inks.accent, kArrowWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(arc);
  const qreal end = qDegreesToRadians(kStartDegrees + kSweepDegrees);
  const QPointF arcEnd = centre + kRadius * QPointF(std::cos(end), -std::sin(end));
  paintSolidHead(painter, inks.accent, arcEnd, QPointF(std::sin(end), std::cos(end)));
}

// A bracket at x whose short arms point towards the block's inside (inward = +1 or -1).
void paintBlockBar(QPainter& painter, const Inks& inks, qreal x, qreal inward) {
  QPainterPath bar;
  bar.moveTo(x + 2.25 * inward, 3.75);
  bar.lineTo(x, 3.75);
  bar.lineTo(x, 16.25);
  bar.lineTo(x + 2.25 * inward, 16.25);
  painter.setPen(roundPen(inks.outline, kLineWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(bar);
}

void paintRepeatStart(QPainter& painter, const Inks& inks) {
  paintBlockBar(painter, inks, 2.75, 1);
  paintCircularArrow(painter, inks, QPointF(12, 10));
}

void paintRepeatEnd(QPainter& painter, const Inks& inks) {
  paintBlockBar(painter, inks, 17.25, -1);
  paintCircularArrow(painter, inks, QPointF(8, 10));
}

void paintSymbol(QPainter& painter, const Inks& inks, int kind) {
  switch (kind) {
    case 0:
      return paintDelay(painter, inks);
    case 1:
      return paintPress(painter, inks);
    case 2:
      return paintRelease(painter, inks);
    case 3:
      return paintMove(painter, inks);
    case 7:
      return paintRepeatStart(painter, inks);
    case 8:
      return paintRepeatEnd(painter, inks);
    default:  // 4..6: lines the editor keeps as they are
      return paintOther(painter, inks);
  }
}

}  // namespace

QImage paintMacroEventIcon(const SkinPalette& palette, int kind) {
  QImage image = newCanvas(kMacroEventIconSize);
  QPainter painter(&image);
  prepare(painter);
  paintSymbol(painter, inksFor(palette), kind);
  return image;
}

}  // namespace mousecfg::skin
