#pragma once

#include <QPainter>
#include <QRectF>

#include "SkinPalette.h"

namespace mousecfg::skin {

// The light (or dark) card the pages are drawn on, with its inner shadow.
void paintContentCard(QPainter& painter, const SkinPalette& palette, const QRectF& card);

// A framed area of a page: a raised section with an optional header band.
void paintSectionFrame(QPainter& painter, const SkinPalette& palette, const QRectF& rect,
                       bool withHeader);

// A sunken area for lists and value fields.
void paintWell(QPainter& painter, const SkinPalette& palette, const QRectF& rect);

// A faint one-pixel divider with faded ends.
void paintDivider(QPainter& painter, const SkinPalette& palette, qreal x1, qreal x2, qreal y);

}  // namespace mousecfg::skin
