#include "GunShapes.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <initializer_list>

namespace mousecfg::skin {
namespace {

// Collects pieces and unites them into one outline.
class Silhouette {
 public:
  Silhouette& polygon(std::initializer_list<QPointF> points) {
    QPainterPath piece;
    piece.addPolygon(QPolygonF(QList<QPointF>(points)));
    piece.closeSubpath();
    return add(piece);
  }
  Silhouette& rect(qreal x, qreal y, qreal w, qreal h, qreal radius = 0.8) {
    QPainterPath piece;
    piece.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return add(piece);
  }
  Silhouette& ellipse(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath piece;
    piece.addEllipse(QRectF(x, y, w, h));
    return add(piece);
  }
  Silhouette& piece(const QPainterPath& outline) { return add(outline); }
  // A bar of the given width along a polyline (trigger guards, stock struts).
  Silhouette& stroke(std::initializer_list<QPointF> points, qreal width) {
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return add(stroker.createStroke(polyline(points)));
  }
  Silhouette& curvedMagazine(QPointF topLeft, qreal width, qreal length, qreal sweep) {
    const QPointF topRight = topLeft + QPointF(width, 0);
    QPainterPath piece(topLeft);
    piece.lineTo(topRight);
    piece.quadTo(topRight + QPointF(1, length * 0.55), topRight + QPointF(sweep, length));
    piece.lineTo(topLeft + QPointF(sweep - 1, length + 2.5));
    piece.quadTo(topLeft + QPointF(1, length * 0.55), topLeft);
    piece.closeSubpath();
    return add(piece);
  }
  // Square teeth along the top of a bar, the look of an accessory rail.
  Silhouette& rail(qreal x, qreal y, qreal w, qreal h = 2.4) {
    rect(x, y, w, h, 0.4);
    for (qreal slot = x + 1.6; slot < x + w - 1.2; slot += 3) cutRect(slot, y, 1.2, h * 0.5);
    return *this;
  }
  Silhouette& cut(const QPainterPath& hole) {
    path_ = path_.subtracted(hole);
    return *this;
  }
  Silhouette& cutRect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath hole;
    hole.addRect(QRectF(x, y, w, h));
    return cut(hole);
  }
  Silhouette& cutPolygon(std::initializer_list<QPointF> points) {
    QPainterPath hole;
    hole.addPolygon(QPolygonF(QList<QPointF>(points)));
    hole.closeSubpath();
    return cut(hole);
  }
  Silhouette& cutEllipse(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath hole;
    hole.addEllipse(QRectF(x, y, w, h));
    return cut(hole);
  }
  QPainterPath path() const { return path_.simplified(); }

 private:
  static QPainterPath polyline(std::initializer_list<QPointF> points) {
    QPainterPath line;
    bool first = true;
    for (const QPointF& p : points) {
      if (first)
        line.moveTo(p);
      else
        line.lineTo(p);
      first = false;
    }
    return line;
  }
  Silhouette& add(const QPainterPath& piece) {
    path_ = path_.united(piece);
    return *this;
  }
  QPainterPath path_;
};

void triggerGuard(Silhouette& s, qreal x, qreal y) {
  s.stroke({{x, y}, {x + 1, y + 5}, {x + 6, y + 6}, {x + 8, y}}, 1.4);
}

void pistolGrip(Silhouette& s, qreal x, qreal y) {
  s.polygon({{x, y}, {x + 5.5, y}, {x + 2.5, y + 11}, {x - 3, y + 10}});
}

// Fixed sloping stock, gas tube over the handguard and a curved magazine.
QPainterPath assaultRifle() {
  Silhouette s;
  s.polygon({{0, 13}, {21, 13}, {23, 20}, {4, 28}, {0, 27}});
  s.rect(20, 11, 32, 8.5);
  s.rect(52, 12, 15, 6.5, 1.5);
  s.rect(52, 9.5, 15, 2.5);
  s.rect(66, 13.5, 18, 2.6, 0.4);
  s.polygon({{78, 13.5}, {78.8, 8.5}, {81, 8.5}, {81, 13.5}});
  s.rect(83, 12.6, 5, 4.3);
  s.rect(46, 8.8, 5, 2.5);
  pistolGrip(s, 27, 19);
  s.curvedMagazine({37, 19}, 8, 14, 6);
  triggerGuard(s, 31, 19);
  return s.path();
}

// Long barrel, fixed stock, a carry handle over the receiver and a straight magazine.
QPainterPath carryHandleRifle() {
  Silhouette s;
  s.polygon({{0, 11}, {4, 11}, {21, 12.5}, {21, 19}, {4, 23.5}, {0, 23.5}});
  s.rect(20, 11, 25, 8.5);
  s.rect(23, 4.5, 18, 6.8, 1.2).cutRect(26.5, 7, 12, 4.3);
  s.rect(23, 3.2, 4.5, 2.5, 0.6);
  s.rect(44, 10.5, 2.6, 9.5, 0.6);
  s.polygon({{46, 11.5}, {62, 12.5}, {62, 18}, {46, 19}});
  s.polygon({{61, 14}, {64, 8}, {64.4, 4.8}, {66, 4.8}, {66, 8}, {67.5, 14}});
  s.rect(62, 13.8, 21, 2.4, 0.4);
  s.rect(82, 13.1, 6, 3.8, 0.6);
  s.polygon({{35.5, 19}, {42.5, 19}, {43.5, 33}, {36.5, 33}});
  pistolGrip(s, 25, 19);
  triggerGuard(s, 29, 19);
  return s.path();
}

// Telescoping stock on its buffer tube, flat top and a railed handguard.
QPainterPath carbine() {
  Silhouette s;
  s.polygon({{2.5, 10.5}, {14, 10.5}, {14, 16.5}, {10.5, 17}, {4, 23.5}, {2.5, 23.5}});
  s.rect(0.5, 10, 2.6, 14, 0.6);
  s.rect(13, 11.6, 11, 3.6, 0.6);
  s.rect(23, 11, 21, 8.5);
  s.rail(23, 8.5, 47);
  s.rect(44, 11, 26, 7.5, 1);
  s.polygon({{63, 9}, {65.5, 4.5}, {67.5, 4.5}, {68.5, 9}});
  s.rect(70, 13, 9, 2.6, 0.4);
  s.rect(78, 12.2, 6, 4.2, 0.6);
  s.curvedMagazine({36, 19}, 7, 13, 2.5);
  pistolGrip(s, 26, 19);
  triggerGuard(s, 30, 19);
  return s.path();
}

// Square box receiver, skeleton stock on a hinge, straight magazine, big trigger guard.
QPainterPath boxySubmachineGun() {
  Silhouette s;
  s.polygon({{4, 9.5}, {20, 11}, {20, 19}, {6, 25.5}, {4, 25.5}});
  s.cutPolygon({{7.5, 13}, {17, 14}, {17, 18}, {7.5, 21.5}});
  s.rect(1.5, 9, 3, 17, 0.8);
  s.rect(19, 10, 5, 10, 1.5);
  s.polygon({{23, 8.5}, {66, 8.5}, {68, 10.5}, {68, 17}, {62, 20.5}, {23, 20.5}});
  s.rail(31, 6.2, 24);
  s.rect(68, 12, 7, 3.4, 0.5);
  s.rect(73.5, 11.4, 4, 4.6, 0.8);
  s.polygon({{47, 20}, {54.5, 20}, {55.5, 35}, {48, 35}});
  s.polygon({{28, 20}, {34, 20}, {32, 32}, {25.5, 31}});
  s.stroke({{32.5, 27.5}, {44.5, 27.5}, {46.5, 20.5}}, 1.8);
  return s.path();
}

// Tall upper receiver railed end to end, folding stock on a hinge.
QPainterPath modularRifle() {
  Silhouette s;
  s.polygon({{0, 7.5},
             {3, 7.5},
             {5, 5.5},
             {11, 5.5},
             {13, 8},
             {15, 8},
             {15, 17.5},
             {11, 17.5},
             {4, 23.5},
             {0, 23.5}});
  s.rect(14, 9.5, 6, 7, 2.5);
  s.cutEllipse(15.6, 11.9, 2.2, 2.2);
  s.polygon({{19, 6.5}, {68, 6.5}, {71, 9}, {71, 14.5}, {68, 17}, {19, 17}});
  s.rail(20, 4.2, 48);
  s.rail(50, 16, 16, 2);
  s.rect(19, 16, 25, 5);
  s.rect(71, 10, 10, 2.6, 0.4);
  s.rect(80, 9.2, 7, 4.2, 0.6);
  s.curvedMagazine({34, 20.5}, 7, 12.5, 2.5);
  pistolGrip(s, 24.5, 20.5);
  triggerGuard(s, 29, 20.5);
  return s.path();
}

QPainterPath woodenStock() {
  QPainterPath stock({21, 11.5});
  stock.lineTo(2, 14);
  stock.quadTo(0, 14.3, 0, 16.5);
  stock.lineTo(0, 27);
  stock.quadTo(0.5, 28.5, 2.5, 28);
  stock.quadTo(10, 21, 21, 18.5);
  stock.closeSubpath();
  return stock;
}

QPainterPath drumMagazine() {
  QPainterPath drum;
  drum.addEllipse(QRectF(35, 17.5, 18, 18));
  QPainterPath groove;
  groove.addEllipse(QRectF(38, 20.5, 12, 12));
  QPainterPath inner;
  inner.addEllipse(QRectF(39.2, 21.7, 9.6, 9.6));
  return drum.subtracted(groove.subtracted(inner));
}

// Wooden stock and grips, a round drum, vertical fore grip, finned barrel and compensator.
QPainterPath drumSubmachineGun() {
  Silhouette s;
  s.piece(woodenStock());
  s.rect(20, 10.5, 30, 8.5, 1.2);
  s.rect(22, 7.8, 4.5, 3.2, 0.6);
  s.ellipse(40, 8.2, 3.2, 3.2);
  s.rect(50, 12, 28, 3.6, 0.5);
  for (int fin = 0; fin < 6; ++fin) s.rect(51 + 2 * fin, 11, 1, 5.6, 0.3);
  s.rect(77, 11, 9, 5.6, 1);
  s.rect(78.8, 8.6, 1.6, 2.8, 0.3);
  s.rect(62, 14, 7, 17, 3);
  for (int groove = 0; groove < 3; ++groove) s.cutEllipse(67.6, 18.5 + 3.6 * groove, 2.4, 2.4);
  s.piece(drumMagazine());
  s.polygon({{25, 18.5}, {31, 18.5}, {30, 28}, {28, 30}, {24.5, 30}, {23.5, 28}});
  triggerGuard(s, 30.5, 18.5);
  return s.path();
}

// Short box receiver, stub barrel, and the magazine through the pistol grip.
QPainterPath compactSubmachineGun() {
  Silhouette s;
  s.rect(7, 10.5, 5, 6.5, 1);
  s.rect(11, 8, 55, 10.5, 1.5);
  for (int rib = 0; rib < 5; ++rib) s.cutRect(22 + 3 * rib, 8, 1.2, 1.2);
  s.rect(14, 5.5, 5, 3, 0.6);
  s.rect(44, 6, 4.5, 2.5, 0.6);
  s.polygon({{57.5, 8}, {58.5, 4}, {61.5, 4}, {62.5, 8}});
  s.rect(64.5, 10, 3.5, 6.5, 0.6);
  s.rect(67, 11.2, 8, 4, 0.5);
  s.polygon({{33, 18}, {43.5, 18}, {42, 31.5}, {31.5, 31.5}});
  s.polygon({{33.5, 31}, {41, 31}, {40, 40}, {32.5, 40}});
  s.stroke({{43.5, 18.5}, {44.5, 25.5}, {52.5, 26.5}, {55, 18.5}}, 1.6);
  return s.path();
}

}  // namespace

QPainterPath gunShape(int gun) {
  switch (gun) {
    case 1:
      return assaultRifle();
    case 2:
      return carryHandleRifle();
    case 3:
      return carbine();
    case 4:
      return boxySubmachineGun();
    case 5:
      return modularRifle();
    case 6:
      return drumSubmachineGun();
    case 7:
      return compactSubmachineGun();
    default:
      return {};
  }
}

}  // namespace mousecfg::skin
