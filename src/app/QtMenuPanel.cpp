#include "app/QtMenuPanel.h"
#include "app/QtText.h"

#include <QGraphicsDropShadowEffect>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace mousecfg {

namespace {

constexpr qreal kPanelRadius = 7;
constexpr qreal kHighlightRadius = 5;
constexpr int kHighlightInsetX = 3;
constexpr int kTextIndent = 10;
constexpr int kMarkerGap = 6;
constexpr int kArrowRoom = 20;
constexpr int kShadowBlur = 18;
constexpr int kShadowDrop = 4;
constexpr int kShadowAlpha = 120;
constexpr int kOpenCategoryAlpha = 40;
constexpr int kPanelTopLift = 110;  // the panel's top is a touch lighter than its bottom

}  // namespace

QtMenuPanel::QtMenuPanel(QWidget* parent, MenuPanel id) : QWidget(parent), id_(id) {
  setObjectName(
      QString::fromUtf8(menuPanelName(id).data(), static_cast<int>(menuPanelName(id).size())));
  auto* shadow = new QGraphicsDropShadowEffect(this);
  shadow->setBlurRadius(kShadowBlur);
  shadow->setOffset(0, kShadowDrop);
  shadow->setColor(QColor(0, 0, 0, kShadowAlpha));
  setGraphicsEffect(shadow);
  hide();
}

QWidget* QtMenuPanel::item(size_t index) const {
  return index < items_.size() ? items_[index] : nullptr;
}

// The two name lists change length with the macros stored; the other panels never do.
void QtMenuPanel::matchItemCount(const MenuPanelState& state) {
  while (items_.size() > state.items.size()) {
    // Deleted later: the pointer may be in one of the item's own handlers.
    items_.back()->hide();
    items_.back()->deleteLater();
    items_.pop_back();
  }
  while (items_.size() < state.items.size()) {
    const size_t index = items_.size();
    auto* item = new QtMenuItem(this);
    const MenuItemState& model = state.items[index];
    item->setObjectName(model.entry ? qt(std::string(model.entry->languageKey))
                                    : QStringLiteral("%1_%2").arg(objectName()).arg(index));
    item->onEnter = [this, index] {
      if (onEnter) onEnter(index);
    };
    item->onLeave = [this, index] {
      if (onLeave) onLeave(index);
    };
    item->onClick = [this, index] {
      if (onClick) onClick(index);
    };
    items_.push_back(item);
  }
}

void QtMenuPanel::render(const MenuPanelState& state, const FunctionMenu& menu,
                         const FunctionMenuStyle& style) {
  style_ = style;
  matchItemCount(state);
  setGeometry(state.rect.x, state.rect.y, state.rect.width, state.rect.height);
  for (size_t i = 0; i < items_.size(); ++i) {
    const MenuItemState& model = state.items[i];
    QtMenuItem::Look look;
    look.caption = qt(model.caption);
    look.hovered = model.hovered;
    look.category = model.entry && model.entry->action == MenuAction::OpenPanel;
    look.categoryOpen = look.category && menu.isShown(model.entry->opens);
    items_[i]->setLook(look, style);
    items_[i]->setGeometry(0, model.top, state.rect.width, FunctionMenu::kItemHeight);
    items_[i]->setVisible(model.visible);
  }
  update();
}

void QtMenuPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(0, 0, 0, height());
  fill.setColorAt(0, style_.background.lighter(kPanelTopLift));
  fill.setColorAt(1, style_.background);
  painter.setBrush(fill);
  painter.setPen(QPen(style_.border, 1));
  painter.drawRoundedRect(outline, kPanelRadius, kPanelRadius);
}

QtMenuItem::QtMenuItem(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void QtMenuItem::setLook(const Look& look, const FunctionMenuStyle& style) {
  look_ = look;
  style_ = style;
  setAccessibleName(look.caption);
  update();
}

void QtMenuItem::paintArrow(QPainter& painter, const QColor& colour) const {
  const qreal x = width() - kArrowRoom / 2.0 - 1;
  const qreal y = height() / 2.0;
  QPainterPath arrow;
  arrow.moveTo(x - 2, y - 4);
  arrow.lineTo(x + 2, y);
  arrow.lineTo(x - 2, y + 4);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPath(arrow);
}

// The caption arrives as a blank, the bullet, a blank and the text; the bullet is drawn
// in its own colour.
void QtMenuItem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF band = QRectF(rect()).adjusted(kHighlightInsetX, 1, -kHighlightInsetX, -1);
  QColor text = style_.text;
  QColor marker = style_.marker;
  if (look_.hovered) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(style_.hoverBackground);
    painter.drawRoundedRect(band, kHighlightRadius, kHighlightRadius);
    text = marker = style_.hoverText;
  } else if (look_.categoryOpen) {
    QColor wash = style_.hoverBackground;
    wash.setAlpha(kOpenCategoryAlpha);
    painter.setPen(Qt::NoPen);
    painter.setBrush(wash);
    painter.drawRoundedRect(band, kHighlightRadius, kHighlightRadius);
    text = style_.openCategory;
  }
  painter.setFont(style_.font);
  const QFontMetrics metrics(style_.font);
  const QString prefix = QStringLiteral(" %1 ").arg(style_.markerText);
  QString caption = look_.caption;
  int left = kTextIndent;
  if (!style_.markerText.isEmpty() && caption.startsWith(prefix)) {
    caption = caption.mid(prefix.size());
    painter.setPen(marker);
    painter.drawText(QRect(left, 0, width(), height()), Qt::AlignLeft | Qt::AlignVCenter,
                     style_.markerText);
    left += metrics.horizontalAdvance(style_.markerText) + kMarkerGap;
  }
  const int right = look_.category ? kArrowRoom : kTextIndent;
  const QRect area(left, 0, std::max(0, width() - left - right), height());
  painter.setPen(text);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(caption, Qt::ElideRight, area.width()));
  if (look_.category) paintArrow(painter, look_.hovered ? text : marker);
}

void QtMenuItem::enterEvent(QEnterEvent*) {
  if (onEnter) onEnter();
}

void QtMenuItem::leaveEvent(QEvent*) {
  pressed_ = false;
  if (onLeave) onLeave();
}

void QtMenuItem::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void QtMenuItem::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint()) && onClick) onClick();
}

}  // namespace mousecfg
