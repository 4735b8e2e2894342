#include "Painting.h"

#include <QtMath>
#include <algorithm>
#include <vector>

namespace mousecfg::skin {
namespace {

// One box-blur pass along rows (horizontal) or columns of a premultiplied image.
void boxPass(QImage& image, int radius, bool horizontal) {
  const int width = image.width();
  const int height = image.height();
  const int lines = horizontal ? height : width;
  const int length = horizontal ? width : height;
  const int window = 2 * radius + 1;
  std::vector<QRgb> source(length);
  for (int line = 0; line < lines; ++line) {
    auto pixel = [&](int i) -> QRgb& {
      const int x = horizontal ? i : line;
      const int y = horizontal ? line : i;
      return reinterpret_cast<QRgb*>(image.scanLine(y))[x];
    };
    for (int i = 0; i < length; ++i) source[i] = pixel(i);
    int sum[4] = {0, 0, 0, 0};
    auto add = [&](int i, int sign) {
      if (i < 0 || i >= length) return;
      const QRgb c = source[i];
      sum[0] += sign * qAlpha(c);
      sum[1] += sign * qRed(c);
      sum[2] += sign * qGreen(c);
      sum[3] += sign * qBlue(c);
    };
    for (int i = -radius; i <= radius; ++i) add(i, 1);
    for (int i = 0; i < length; ++i) {
      pixel(i) = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
      add(i - radius, -1);
      add(i + radius + 1, 1);
    }
  }
}

}  // namespace

QImage newCanvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QImage newCanvas(QSize size) {
  return newCanvas(size.width(), size.height());
}

void prepare(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

QLinearGradient verticalGradient(const QRectF& rect, const QColor& top, const QColor& bottom) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  return gradient;
}

void blur(QImage& image, int radius) {
  if (radius <= 0) return;
  const int passRadius = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    boxPass(image, passRadius, true);
    boxPass(image, passRadius, false);
  }
}

void paintSoftShape(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                    int blurRadius, QPointF offset) {
  const int margin = 2 * blurRadius + 2;
  const QRect bounds = shape.boundingRect().translated(offset).toAlignedRect().adjusted(
      -margin, -margin, margin, margin);
  QImage layer = newCanvas(bounds.size());
  {
    QPainter p(&layer);
    prepare(p);
    p.translate(-bounds.topLeft() + offset);
    p.fillPath(shape, colour);
  }
  blur(layer, blurRadius);
  painter.drawImage(bounds.topLeft(), layer);
}

void paintInnerShadow(QPainter& painter, const QPainterPath& shape, const QColor& colour,
                      int blurRadius, QPointF offset) {
  const int margin = 2 * blurRadius + 4;
  const QRect bounds = shape.boundingRect().toAlignedRect();
  const QRect area = bounds.adjusted(-margin, -margin, margin, margin);
  QImage layer = newCanvas(area.size());
  {
    QPainter p(&layer);
    prepare(p);
    p.translate(-area.topLeft());
    QPainterPath outside;
    outside.addRect(area);
    outside = outside.subtracted(shape.translated(offset));
    p.fillPath(outside, colour);
  }
  blur(layer, blurRadius);
  painter.save();
  painter.setClipPath(shape, Qt::IntersectClip);
  painter.drawImage(area.topLeft(), layer);
  painter.restore();
}

void paintTopHighlight(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour) {
  painter.save();
  painter.setClipRect(QRectF(rect.left(), rect.top(), rect.width(), radius + 1));
  QLinearGradient fade(rect.topLeft(), rect.topLeft() + QPointF(0, radius + 1));
  fade.setColorAt(0, colour);
  fade.setColorAt(1, withAlpha(colour, 0));
  painter.setPen(QPen(QBrush(fade), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect.adjusted(0.5, 1.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
  painter.restore();
}

void strokeCrisp(QPainter& painter, const QRectF& rect, qreal radius, const QColor& colour) {
  painter.save();
  painter.setPen(QPen(colour, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
  painter.restore();
}

QColor withAlpha(QColor colour, int alpha) {
  colour.setAlpha(alpha);
  return colour;
}

QColor mix(const QColor& a, const QColor& b, qreal t) {
  auto channel = [t](int x, int y) { return qRound(x + (y - x) * t); };
  return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

}  // namespace mousecfg::skin
