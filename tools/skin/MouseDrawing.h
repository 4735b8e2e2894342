#pragma once

#include <QPainter>
#include <QRectF>

#include "SkinPalette.h"

namespace mousecfg::skin {

// Paints the gaming mouse seen from above into box (kept at the drawing's aspect
// ratio), with its shadow, lights and buttons.
void paintMouse(QPainter& painter, const SkinPalette& palette, const QRectF& box);

}  // namespace mousecfg::skin
