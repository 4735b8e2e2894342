#include "MouseShapes.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kCentreX = kMouseWidth / 2;

QPointF mirrored(const QPointF& p) {
  return QPointF(kMouseWidth - p.x(), p.y());
}

// Right half of the outline as cubic segments from the nose to the tail.
struct Segment {
  QPointF control1, control2, end;
};
constexpr QPointF kNose{kCentreX, 2};
const Segment kRightHalf[] = {
    {{122, 2}, {143, 16}, {148, 42}},
    {{155, 80}, {147, 125}, {147, 160}},
    {{147, 198}, {163, 232}, {162, 272}},
    {{161, 340}, {128, 378}, {kCentreX, 378}},
};

QPainterPath bodyOutline() {
  QPainterPath path(kNose);
  for (const Segment& s : kRightHalf) path.cubicTo(s.control1, s.control2, s.end);
  // Back up the left half: the same segments mirrored and reversed.
  constexpr int count = std::size(kRightHalf);
  for (int i = count - 1; i >= 0; --i) {
    const QPointF start = i == 0 ? kNose : kRightHalf[i - 1].end;
    path.cubicTo(mirrored(kRightHalf[i].control2), mirrored(kRightHalf[i].control1),
                 mirrored(start));
  }
  path.closeSubpath();
  return path;
}

// Everything in front of the curved line where the main buttons end.
QPainterPath buttonZone() {
  QPainterPath zone(QPointF(-10, -10));
  zone.lineTo(kMouseWidth + 10, -10);
  zone.lineTo(kMouseWidth + 10, 150);
  zone.lineTo(148, 150);
  zone.quadTo(QPointF(kCentreX, 196), QPointF(22, 150));
  zone.lineTo(-10, 150);
  zone.closeSubpath();
  return zone;
}

QPainterPath rectPath(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

QPainterPath fireButtonShape() {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), 6, 11);
  QTransform turn;
  turn.translate(34, 64);
  turn.rotate(-14);
  return turn.map(path);
}

}  // namespace

MouseShapes mouseShapes() {
  MouseShapes s;
  s.body = bodyOutline();
  s.channel = rectPath(QRectF(71, 40, 28, 126), 12);
  const QPainterPath buttons = s.body.intersected(buttonZone());
  const QPainterPath channelGap = rectPath(QRectF(69, 38, 32, 130), 14);
  QPainterPath leftHalf;
  leftHalf.addRect(QRectF(-10, -10, kCentreX - 0.8 + 10, 400));
  QPainterPath rightHalf;
  rightHalf.addRect(QRectF(kCentreX + 0.8, -10, kCentreX + 10, 400));
  s.leftButton = buttons.intersected(leftHalf).subtracted(channelGap);
  s.rightButton = buttons.intersected(rightHalf).subtracted(channelGap);
  s.wheel = QRectF(78, 50, 14, 50);
  s.dpiUp = QRectF(76, 110, 18, 20);
  s.dpiDown = QRectF(76, 133, 18, 20);
  s.fireButton = fireButtonShape();
  s.sideForward = QRectF(2, 180, 22, 36);
  s.sideBack = QRectF(1, 221, 22, 36);
  s.rightFlank = QRectF(149, 194, 21, 38);
  s.palmLeft = QRectF(45, 288, 14, 26);
  s.palmRight = QRectF(111, 288, 14, 26);
  s.logoCentre = QPointF(kCentreX, 336);
  return s;
}

std::array<QPointF, 12> mouseKeyAnchors() {
  const MouseShapes s = mouseShapes();
  return {{
      QPointF(34, 64),                                                // fire button
      QPointF(48, 106),                                               // left button
      s.dpiUp.center(),                                               // DPI up
      QPointF(s.sideForward.left() + 6, s.sideForward.center().y()),  // side, front
      QPointF(s.sideBack.left() + 6, s.sideBack.center().y()),        // side, back
      s.palmLeft.center(),                                            // palm button, left
      s.wheel.center(),                                               // wheel
      QPointF(122, 106),                                              // right button
      s.dpiDown.center(),                                             // DPI down
      QPointF(s.rightFlank.right() - 6, s.rightFlank.center().y()),   // right flank
      s.palmRight.center(),                                           // palm button, right
      s.logoCentre,                                                   // logo
  }};
}

}  // namespace mousecfg::skin
