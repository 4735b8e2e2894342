#include "ContentCard.h"
#include "PagePictures.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

// The frames in window pixels, where the layout files place the gun page's controls:
// the gun rack on the left, the selected gun's settings on the right.
constexpr QRect kRackFrame{200, 86, 240, 406};
constexpr QRect kSettingsFrame{454, 86, 414, 406};
constexpr qreal kHeader = 28;
constexpr qreal kWellInset = 10;
constexpr qreal kFieldsDividerY = 334;   // between the field grid and the colour row
constexpr qreal kButtonsDividerY = 430;  // above Confirm and Cancel
constexpr qreal kDividerInset = 16;

QRectF onPanel(const QRect& windowRect) {
  return QRectF(windowRect.translated(-kContentPanel.topLeft()));
}

qreal onPanelY(qreal windowY) {
  return windowY - kContentPanel.top();
}

// A small sight at the right end of the settings header.
void paintSightMark(QPainter& painter, const SkinPalette& palette, const QRectF& frame) {
  const QPointF centre(frame.right() - 20, frame.top() + kHeader / 2);
  constexpr qreal kRadius = 6.5;
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(palette.accent, 1.4));
  painter.drawEllipse(centre, kRadius, kRadius);
  painter.setPen(QPen(palette.accent, 1.4, Qt::SolidLine, Qt::RoundCap));
  for (const QPointF direction : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
    painter.drawLine(centre + direction * (kRadius - 3), centre + direction * (kRadius + 3));
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette.accentDeep);
  painter.drawEllipse(centre, 1.4, 1.4);
  painter.restore();
}

}  // namespace

QImage paintGunPage(const SkinPalette& palette) {
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const QRectF rack = onPanel(kRackFrame);
  paintSectionFrame(painter, palette, rack, true);
  paintWell(painter, palette,
            rack.adjusted(kWellInset, kHeader + kWellInset, -kWellInset, -kWellInset));
  const QRectF settings = onPanel(kSettingsFrame);
  paintSectionFrame(painter, palette, settings, true);
  paintSightMark(painter, palette, settings);
  const qreal left = settings.left() + kDividerInset;
  const qreal right = settings.right() - kDividerInset;
  paintDivider(painter, palette, left, right, onPanelY(kFieldsDividerY));
  paintDivider(painter, palette, left, right, onPanelY(kButtonsDividerY));
  return image;
}

}  // namespace mousecfg::skin
