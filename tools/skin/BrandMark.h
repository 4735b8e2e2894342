#pragma once

#include <QPainter>
#include <QRectF>

#include "SkinPalette.h"

namespace mousecfg::skin {

// The brand emblem in the header: a hexagon with a small mouse glyph.
void paintBrandMark(QPainter& painter, const SkinPalette& palette, const QRectF& box);

}  // namespace mousecfg::skin
