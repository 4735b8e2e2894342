#pragma once

#include <QPainterPath>
#include <QPointF>
#include <array>

namespace mousecfg::skin {

// The outline pieces of the mouse seen from above, front at the top, in a box of
// kMouseWidth x kMouseHeight.
inline constexpr qreal kMouseWidth = 170;
inline constexpr qreal kMouseHeight = 380;

struct MouseShapes {
  QPainterPath body;
  QPainterPath leftButton;
  QPainterPath rightButton;
  QPainterPath channel;  // the recess between the main buttons
  QRectF wheel;
  QRectF dpiUp;
  QRectF dpiDown;
  QPainterPath fireButton;
  QRectF sideForward;
  QRectF sideBack;
  QRectF rightFlank;
  QRectF palmLeft;
  QRectF palmRight;
  QPointF logoCentre;
};

MouseShapes mouseShapes();

// Where the leader line of key label 1..12 ends (index 0..11): keys 1..6 are on the
// left side of the mouse from front to back, keys 7..12 on the right.
std::array<QPointF, 12> mouseKeyAnchors();

}  // namespace mousecfg::skin
