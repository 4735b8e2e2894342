#include "app/QtSkinDialog.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <algorithm>

#include "app/QtPictureButton.h"
#include "app/QtSkin.h"

namespace mousecfg {

namespace {

constexpr int kHeaderHeight = 40;
constexpr int kCardMargin = 10;
constexpr int kFieldHeight = 28;
constexpr QSize kButtonSize{120, 34};
constexpr QSize kCloseSize{32, 32};

QString sheetColour(const QColor& colour) {
  return colour.name(QColor::HexRgb);
}

}  // namespace

QtSkinDialog::QtSkinDialog(int language, QSize fallbackSize, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      language_(language),
      background_(QtSkin::picture("Msg", language)) {
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(background_.isNull() ? fallbackSize : background_.size());
  shapeWindow();
}

void QtSkinDialog::showCentredOver(QWidget* parent, QWidget* focus) {
  if (parent) {
    const QRect area = parent->frameGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
  }
  show();
  raise();
  activateWindow();
  if (focus) focus->setFocus();
}

void QtSkinDialog::setTextStyle(const QFont& font, const QColor& colour) {
  font_ = font;
  textColour_ = colour;
}

QLabel* QtSkinDialog::addTitle(const QString& text, QPoint place, int width, const QColor& colour) {
  auto* title = new QLabel(text, this);
  QFont titleFont = font_;
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setStyleSheet(QString("color: %1; background: transparent;").arg(sheetColour(colour)));
  title->setGeometry(QRect(place, QSize(width, 2 * font_.pointSize() + 8)));
  title->setAttribute(Qt::WA_TransparentForMouseEvents);
  return title;
}

QLineEdit* QtSkinDialog::addField(const QString& name, const QRect& place) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  field->setContextMenuPolicy(Qt::NoContextMenu);
  field->setFont(font_);
  field->setGeometry(QRect(place.topLeft(), QSize(place.width(), kFieldHeight)));
  field->setStyleSheet(QString("QLineEdit { color: %1; background: %2; border: 1px solid %3;"
                               " border-radius: 4px; padding: 0 6px; }")
                           .arg(sheetColour(textColour_), darkContent() ? "#1b1e25" : "#f7f8fa",
                                darkContent() ? "#363c48" : "#98a1ac"));
  return field;
}

QWidget* QtSkinDialog::addTextButton(const QString& name, const QString& caption, QPoint place) {
  const QPixmap normal = QtSkin::picture("BtnS_01", language_);
  if (normal.isNull()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFont(font_);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(QRect(place, kButtonSize));
    const bool dark = darkContent();
    button->setStyleSheet(
        QString("QPushButton { color: %1; border: 1px solid %2; border-radius: 7px;"
                " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %3, stop:1 %4); }"
                "QPushButton:hover { background: %5; }"
                "QPushButton:pressed { background: %4; padding-top: 2px; }")
            .arg(sheetColour(textColour_), dark ? "#434a57" : "#9aa2ac",
                 dark ? "#343a45" : "#f1f3f6", dark ? "#272b33" : "#d5dae0",
                 dark ? "#3d4450" : "#fafbfc"));
    return button;
  }
  auto* button = new QtPictureButton(this);
  button->setObjectName(name);
  button->setPicture(normal);
  button->setHoverPicture(QtSkin::picture("BtnS_02", language_));
  button->setPressedPicture(QtSkin::picture("BtnS_03", language_));
  button->setGeometry(QRect(place, normal.size()));
  button->setCaption(caption);
  const int captionWidth = QFontMetrics(font_).horizontalAdvance(caption);
  // A little slack, so rounding never elides a caption that fits.
  const int inset = std::max(0, (normal.width() - captionWidth) / 2 - 4);
  button->setCaptionRect(QRect(inset, 0, normal.width() - 2 * inset, normal.height()));
  button->setCaptionStyle(font_, textColour_);
  return button;
}

QWidget* QtSkinDialog::addCloseButton(QPoint place) {
  const QPixmap normal = QtSkin::picture("ExitS_01", language_);
  if (normal.isNull()) {
    auto* button = new QPushButton(QString::fromUtf8("\u00D7"), this);
    button->setObjectName("IB_Close");
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    button->setGeometry(QRect(place, kCloseSize));
    QFont closeFont = font_;
    closeFont.setPointSize(font_.pointSize() + 6);
    button->setFont(closeFont);
    button->setStyleSheet(
        "QPushButton { color: #c8ced6; background: transparent; border: none; }"
        "QPushButton:hover { color: #ffffff; background: #c0392b; border-radius: 6px; }"
        "QPushButton:pressed { background: #962d22; }");
    return button;
  }
  auto* button = new QtPictureButton(this);
  button->setObjectName("IB_Close");
  button->setPicture(normal);
  button->setHoverPicture(QtSkin::picture("ExitS_02", language_));
  button->setPressedPicture(QtSkin::picture("ExitS_03", language_));
  button->setGeometry(QRect(place, normal.size()));
  return button;
}

void QtSkinDialog::onClick(QWidget* button, std::function<void()> handler) {
  if (auto* picture = qobject_cast<QtPictureButton*>(button))
    connect(picture, &QtPictureButton::clicked, this, std::move(handler));
  else if (auto* plain = qobject_cast<QPushButton*>(button))
    connect(plain, &QPushButton::clicked, this, std::move(handler));
}

void QtSkinDialog::shapeWindow() {
  if (!background_.isNull() && background_.hasAlphaChannel()) {
    setMask(background_.mask());
    return;
  }
  QPainterPath outline;
  outline.addRoundedRect(QRectF(rect()), 12, 12);
  setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void QtSkinDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!background_.isNull()) {
    painter.drawPixmap(0, 0, background_);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(rect());
  QPainterPath shape;
  shape.addRoundedRect(frame, 12, 12);
  painter.fillPath(shape, QColor("#15171c"));
  painter.save();
  painter.setClipPath(shape);
  QLinearGradient header(0, 0, 0, kHeaderHeight);
  header.setColorAt(0, QColor("#20232a"));
  header.setColorAt(1, QColor("#17191e"));
  painter.fillRect(QRectF(0, 0, frame.width(), kHeaderHeight), header);
  painter.fillRect(QRectF(0, kHeaderHeight - 1, frame.width(), 1), QColor(25, 198, 209, 160));
  painter.restore();
  QPainterPath card;
  card.addRoundedRect(
      frame.adjusted(kCardMargin, kHeaderHeight + kCardMargin, -kCardMargin, -kCardMargin), 10, 10);
  painter.fillPath(card, darkContent() ? QColor("#242831") : QColor("#e6e9ed"));
  painter.setPen(QPen(QColor("#0b0c0f"), 1));
  painter.drawPath(card);
  painter.setPen(QPen(QColor(255, 255, 255, 22), 1));
  painter.drawRoundedRect(frame.adjusted(1.5, 1.5, -1.5, -1.5), 10.5, 10.5);
}

void QtSkinDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;  // no frame to drag by: the dialog moves by its background
  dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void QtSkinDialog::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) move(event->globalPosition().toPoint() - dragOffset_);
}

void QtSkinDialog::mouseReleaseEvent(QMouseEvent*) {
  dragging_ = false;
  dragEnded();
}

}  // namespace mousecfg
