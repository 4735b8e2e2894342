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
  // A bar of the given width along a polyline (bipod legs, trigger guards).
  Silhouette& stroke(std::initializer_list<QPointF> points, qreal width) {
    QPainterPath line;
    bool first = true;
    for (const QPointF& p : points) {
      if (first)
        line.moveTo(p);
      else
        line.lineTo(p);
      first = false;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return add(stroker.createStroke(line));
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
  Silhouette& cut(const QPainterPath& hole) {
    path_ = path_.subtracted(hole);
    return *this;
  }
  Silhouette& cutRect(qreal x, qreal y, qreal w, qreal h) {
    QPainterPath hole;
    hole.addRect(QRectF(x, y, w, h));
    return cut(hole);
  }
  QPainterPath path() const { return path_.simplified(); }

 private:
  Silhouette& add(const QPainterPath& piece) {
    path_ = path_.united(piece);
    return *this;
  }
  QPainterPath path_;
};

void triggerGuard(Silhouette& s, qreal x, qreal y) {
  s.stroke({{x, y}, {x + 1, y + 5}, {x + 6, y + 6}, {x + 8, y}}, 1.4);
}

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
  s.polygon({{27, 19}, {32.5, 19}, {29.5, 30}, {24, 29}});
  s.curvedMagazine({37, 19}, 8, 14, 6);
  triggerGuard(s, 31, 19);
  return s.path();
}

QPainterPath carbine() {
  Silhouette s;
  s.polygon({{0, 10}, {13, 10}, {13, 21}, {2, 23}, {0, 21}});
  s.rect(12, 12, 12, 3.2);
  s.rect(22, 11, 27, 8.5);
  s.rect(22, 8.5, 28, 3);
  s.cutRect(24, 8.5, 1, 1.2).cutRect(28, 8.5, 1, 1.2).cutRect(32, 8.5, 1, 1.2);
  s.cutRect(36, 8.5, 1, 1.2).cutRect(40, 8.5, 1, 1.2).cutRect(44, 8.5, 1, 1.2);
  s.rect(49, 10.5, 20, 8, 2);
  s.rect(69, 13, 14, 2.6, 0.4);
  s.polygon({{66, 10.5}, {68, 5.5}, {70, 5.5}, {71.5, 10.5}});
  s.rect(82, 12.2, 6, 4);
  s.polygon({{37, 19}, {44, 19}, {46, 33}, {39, 34}});
  s.polygon({{26, 19}, {31.5, 19}, {28.5, 30}, {23, 29}});
  triggerGuard(s, 30, 19);
  return s.path();
}

QPainterPath submachineGun() {
  Silhouette s;
  s.polygon({{4, 11}, {16, 11}, {16, 13.5}, {7, 13.5}, {7, 19.5}, {16, 18.5}, {16, 21}, {4, 22.5}});
  s.rect(15, 10, 36, 9, 2);
  s.rect(18, 7, 8, 3.5, 1);
  s.rect(51, 11, 11, 7, 1.5);
  s.rect(62, 10.5, 24, 8, 3);
  s.curvedMagazine({39, 18.5}, 7, 15, 5);
  s.polygon({{22, 18}, {27.5, 18}, {25.5, 29}, {20, 28}});
  triggerGuard(s, 27, 18.5);
  return s.path();
}

QPainterPath pistol() {
  Silhouette s;
  s.rect(18, 8, 50, 10, 1.5);
  for (int i = 0; i < 5; ++i) s.cutRect(22 + 2.6 * i, 8, 1.1, 6);
  s.rect(14, 7.5, 5, 5, 1.5);
  s.rect(20, 17, 44, 5, 1);
  s.polygon({{22, 20}, {36, 20}, {33, 38}, {20, 37}});
  s.stroke({{37, 21}, {38, 28}, {46, 28.5}, {49, 21.5}}, 1.8);
  s.rect(64, 17.5, 4, 3);
  return s.path();
}

QPainterPath shotgun() {
  Silhouette s;
  s.polygon({{0, 13}, {18, 13.5}, {24, 19}, {20, 22}, {4, 27.5}, {0, 26.5}});
  s.rect(18, 11, 24, 8.5, 1.2);
  s.rect(42, 11, 45, 3.4, 0.6);
  s.rect(42, 15.5, 38, 3.2, 0.8);
  s.rect(50, 14.2, 18, 6.8, 2.2);
  for (int i = 0; i < 5; ++i) s.cutRect(53 + 3 * i, 19.4, 1.3, 1.6);
  s.ellipse(84, 9.6, 2.2, 2.2);
  triggerGuard(s, 25, 19);
  return s.path();
}

QPainterPath sniperRifle() {
  Silhouette s;
  s.polygon({{0, 14}, {24, 14}, {25, 20}, {21, 29}, {14, 29}, {10, 24}, {2, 26.5}, {0, 24.5}});
  QPainterPath thumbHole;
  thumbHole.addEllipse(QRectF(13.5, 19, 6, 4.5));
  s.cut(thumbHole);
  s.rect(24, 13, 20, 6.5, 1.2);
  s.polygon({{44, 14}, {84, 14.8}, {84, 16.8}, {44, 18.5}});
  s.rect(83, 13.4, 5, 4.8, 0.8);
  s.rect(24, 5.5, 30, 4.2, 2);
  s.rect(20, 6, 5, 3.2, 1);
  s.polygon({{48, 5.5}, {56, 4}, {56, 11.2}, {48, 9.7}});
  s.rect(29, 9.5, 3, 3.5);
  s.rect(44, 9.5, 3, 3.5);
  s.ellipse(35, 18.5, 4, 4);
  s.rect(30, 19, 8, 5, 1);
  s.stroke({{62, 17}, {57, 31}}, 1.6);
  s.stroke({{62, 17}, {67, 31}}, 1.6);
  triggerGuard(s, 26, 19);
  return s.path();
}

QPainterPath lightMachineGun() {
  Silhouette s;
  s.polygon({{0, 11}, {16, 12}, {16, 20}, {2, 24.5}, {0, 23.5}});
  s.rect(16, 9, 31, 10.5, 1.5);
  s.stroke({{28, 9}, {30, 4.5}, {39, 4.5}, {41, 9}}, 1.8);
  s.rect(47, 10.5, 34, 7, 1.2);
  for (int i = 0; i < 6; ++i) {
    QPainterPath hole;
    hole.addEllipse(QRectF(50 + 5 * i, 12.7, 2.6, 2.6));
    s.cut(hole);
  }
  s.rect(81, 11.5, 7, 5, 1);
  s.rect(26, 19, 15, 12, 2);
  s.polygon({{19, 18}, {24.5, 18}, {22.5, 29}, {17, 28}});
  s.stroke({{72, 17}, {67, 32}}, 1.6);
  s.stroke({{72, 17}, {77, 32}}, 1.6);
  return s.path();
}

}  // namespace

QPainterPath gunShape(int gun) {
  switch (gun) {
    case 1:
      return assaultRifle();
    case 2:
      return carbine();
    case 3:
      return submachineGun();
    case 4:
      return pistol();
    case 5:
      return shotgun();
    case 6:
      return sniperRifle();
    case 7:
      return lightMachineGun();
    default:
      return {};
  }
}

}  // namespace mousecfg::skin
