#include <array>

#include "ContentCard.h"
#include "PagePictures.h"
#include "Painting.h"
#include "WindowGeometry.h"

namespace mousecfg::skin {
namespace {

// In window pixels, where the Update page's view places its controls: the firmware
// file's frame with its heading in the header band, the path field's well beside the
// "BIN Path" caption, and "Load BIN" and "Program" below the well.
constexpr QRect kFileFrame{200, 86, 668, 148};
constexpr QRect kPathWell{320, 132, 532, 30};
constexpr qreal kButtonsDividerY = 172;
constexpr qreal kDividerInset = 16;
// Below the frame, a chip on a faint circuit board fills the rest of the card.
constexpr QPointF kChipCentre{534, 372};
constexpr qreal kChipSize = 92;
constexpr int kPinsPerSide = 6;
constexpr qreal kPinLength = 9;
constexpr qreal kSideTraceReach = 160;
constexpr qreal kEndTraceReach = 48;
// How far each pin's trace runs, as a share of the longest: uneven, as boards are.
constexpr std::array<qreal, kPinsPerSide> kTraceShares{0.55, 1.0, 0.7, 0.9, 0.45, 0.8};

QRectF onPanel(const QRect& windowRect) {
  return QRectF(windowRect.translated(-kContentPanel.topLeft()));
}

QPointF onPanel(QPointF windowPoint) {
  return windowPoint - QPointF(kContentPanel.topLeft());
}

// A trace from a pin outwards that fades as it leaves the chip, ending in a via.
void paintTrace(QPainter& painter, const QColor& colour, QPointF from, QPointF to) {
  QLinearGradient fade(from, to);
  fade.setColorAt(0, colour);
  fade.setColorAt(1, withAlpha(colour, colour.alpha() / 4));
  painter.setPen(QPen(QBrush(fade), 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(from, to);
  painter.setPen(Qt::NoPen);
  painter.setBrush(withAlpha(colour, colour.alpha() / 2));
  painter.drawEllipse(to, 2.2, 2.2);
}

// The pins of one side, each with its trace; side is the outward direction. The traces
// reach further sideways, where the card has room, than up and down.
void paintPinRow(QPainter& painter, const SkinPalette& palette, const QRectF& body, QPointF side) {
  const QColor pin = withAlpha(palette.accent, palette.darkContent ? 150 : 120);
  const QColor trace = withAlpha(palette.accent, palette.darkContent ? 90 : 70);
  const QPointF along(side.y(), side.x());  // perpendicular to the side
  const qreal half = kChipSize / 2;
  const qreal step = kChipSize / (kPinsPerSide + 1);
  const qreal longest = side.y() == 0 ? kSideTraceReach : kEndTraceReach;
  for (int i = 1; i <= kPinsPerSide; ++i) {
    const QPointF base = body.center() + side * half + along * (i * step - half);
    const QPointF tip = base + side * kPinLength;
    painter.setPen(QPen(pin, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(base, tip);
    const qreal reach = longest * kTraceShares[static_cast<size_t>(i - 1)];
    paintTrace(painter, trace, tip, tip + side * reach);
  }
}

void paintChip(QPainter& painter, const SkinPalette& palette) {
  const QPointF centre = onPanel(kChipCentre);
  const QRectF body(centre.x() - kChipSize / 2, centre.y() - kChipSize / 2, kChipSize, kChipSize);
  painter.save();
  for (const QPointF side : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
    paintPinRow(painter, palette, body, side);
  const QPainterPath shape = roundedRect(body, 10);
  paintSoftShape(painter, shape, withAlpha(palette.accentGlow, 60), 8);
  painter.fillPath(shape, verticalGradient(body, palette.sectionFill, palette.wellFill));
  strokeCrisp(painter, body, 10, withAlpha(palette.accent, 150));
  const QRectF die = body.adjusted(24, 24, -24, -24);
  painter.fillPath(roundedRect(die, 5), verticalGradient(die, withAlpha(palette.accent, 110),
                                                         withAlpha(palette.accentDeep, 110)));
  painter.setPen(Qt::NoPen);
  painter.setBrush(withAlpha(palette.accent, 160));
  painter.drawEllipse(QPointF(body.left() + 12, body.top() + 12), 3, 3);  // pin 1
  painter.restore();
}

}  // namespace

QImage paintUpdatePage(const SkinPalette& palette) {
  QImage image = paintEmptyPage(palette);
  QPainter painter(&image);
  prepare(painter);
  const QRectF frame = onPanel(kFileFrame);
  paintSectionFrame(painter, palette, frame, true);
  paintWell(painter, palette, onPanel(kPathWell));
  paintDivider(painter, palette, frame.left() + kDividerInset, frame.right() - kDividerInset,
               kButtonsDividerY - kContentPanel.top());
  paintChip(painter, palette);
  return image;
}

}  // namespace mousecfg::skin
