#include "GunPicture.h"

#include "GunShapes.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

constexpr qreal kTileRadius = 8;

void paintTile(QPainter& painter, const SkinPalette& palette, const QRectF& tile, bool selected) {
  const QPainterPath shape = roundedRect(tile, kTileRadius);
  if (selected) {
    painter.fillPath(shape, verticalGradient(tile, mix(palette.tileTop, palette.accent, 0.10),
                                             mix(palette.tileBottom, palette.accent, 0.18)));
    paintInnerShadow(painter, shape, withAlpha(palette.accent, 150), 5, QPointF(0, 0));
    painter.save();
    painter.setPen(QPen(palette.accent, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(tile.adjusted(0.75, 0.75, -0.75, -0.75), kTileRadius - 0.75,
                            kTileRadius - 0.75);
    painter.restore();
  } else {
    painter.fillPath(shape, verticalGradient(tile, palette.tileTop, palette.tileBottom));
    strokeCrisp(painter, tile, kTileRadius, palette.tileBorder);
    paintTopHighlight(painter, tile, kTileRadius,
                      palette.darkContent ? QColor(255, 255, 255, 24) : QColor(255, 255, 255, 220));
  }
}

void paintSilhouette(QPainter& painter, const SkinPalette& palette, const QPainterPath& gun,
                     bool selected) {
  const QRectF box = gun.boundingRect();
  if (selected && palette.darkContent) {
    paintSoftShape(painter, gun, withAlpha(palette.accent, 150), 4);
    painter.fillPath(
        gun, verticalGradient(box, mix(palette.accent, Qt::white, 0.25), palette.accentDeep));
  } else if (selected) {
    paintSoftShape(painter, gun, withAlpha(palette.accent, 110), 3);
    painter.fillPath(
        gun, verticalGradient(box, palette.accentDeep, mix(palette.accentDeep, Qt::black, 0.3)));
  } else {
    painter.fillPath(gun, verticalGradient(box, mix(palette.silhouette, Qt::white, 0.12),
                                           mix(palette.silhouette, Qt::black, 0.1)));
  }
  paintInnerShadow(painter, gun, QColor(255, 255, 255, selected ? 120 : 60), 1, QPointF(0, 1));
}

}  // namespace

QImage paintGunPicture(const SkinPalette& palette, int gun, bool selected) {
  QImage image = newCanvas(kGunSize);
  QPainter painter(&image);
  prepare(painter);
  const QRectF tile = QRectF(QPointF(0, 0), kGunSize).adjusted(1, 1, -1, -1);
  paintTile(painter, palette, tile, selected);
  const QPainterPath shape = gunShape(gun);
  const QRectF bounds = shape.boundingRect();
  // Centre the silhouette's own bounds in the tile, scaled to a common width.
  const qreal scale = std::min(80.0 / kGunBoxWidth, 44.0 / bounds.height());
  QTransform place;
  place.translate(kGunSize.width() / 2.0, kGunSize.height() / 2.0);
  place.scale(scale, scale);
  place.translate(-bounds.center().x(), -bounds.center().y());
  paintSilhouette(painter, palette, place.map(shape), selected);
  return image;
}

}  // namespace mousecfg::skin
