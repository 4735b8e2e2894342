#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace mousecfg::skin {

// A transparent picture to paint on (premultiplied for painting speed).
QImage newCanvas(int width, int height);
QImage newCanvas(QSize size);

// A painter with antialiasing switched on.
void prepare(QPainter& painter);

QPainterPath roundedRect(const QRectF& rect, qreal radius);

QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom);

// Three passes of a box blur: close enough to a gaussian for shadows and glows.
void blur(QImage& image, int radius);

// Paints a blurred copy of the shape filled with colour, shifted by offset.
void paintSoftShape(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                    int blurRadius, QPointF offset = {});

// A darkening along the inside of a shape's edge.
void paintInnerShadow(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                      int blurRadius, QPointF offset);

// A one-pixel line on the upper inside edge of a rounded rectangle.
void paintTopHighlight(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour);

// A crisp one-pixel outline of a rounded rectangle given in whole pixels.
void strokeCrisp(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour);

QColor withAlpha(QColor colour, int alpha);
QColor mix(const QColor& a, const QColor& b, qreal t);

}  // namespace mousecfg::skin
