#include "app/QtMacroList.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace mousecfg {

namespace {

constexpr int kIconSize = 20;
constexpr int kWheelStep = 120;  // one notch of an ordinary wheel
constexpr int kRowsPerNotch = 3;

}  // namespace

QtMacroList::QtMacroList(QWidget* parent)
    : QWidget(parent),
      selectedBack_(25, 198, 209),
      back_(247, 248, 250),
      text_(30, 34, 40),
      selectedText_(11, 14, 18) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void QtMacroList::setEntries(const QStringList& texts) {
  if (texts == texts_) return;
  texts_ = texts;
  if (selected_ && *selected_ >= count()) selected_.reset();
  clampScroll();
  update();
}

void QtMacroList::setIcons(const std::vector<QPixmap>& icons) {
  const auto same = [](const QPixmap& a, const QPixmap& b) { return a.cacheKey() == b.cacheKey(); };
  if (std::equal(icons.begin(), icons.end(), icons_.begin(), icons_.end(), same)) return;
  icons_ = icons;
  update();
}

void QtMacroList::setSelected(std::optional<int> row) {
  if (row && (*row < 0 || *row >= count())) row.reset();
  if (row == selected_) return;
  selected_ = row;
  if (row) scrollToRow(*row);
  update();
}

void QtMacroList::setColours(const QColor& selected, const QColor& others, const QColor& text,
                             const QColor& selectedText) {
  if (selected == selectedBack_ && others == back_ && text == text_ &&
      selectedText == selectedText_)
    return;
  selectedBack_ = selected;
  back_ = others;
  text_ = text;
  selectedText_ = selectedText;
  update();
}

void QtMacroList::setTextFont(const QFont& font) {
  if (font == this->font()) return;
  setFont(font);
  update();
}

int QtMacroList::visibleRows() const {
  return std::max(1, height() / kEntryHeight);
}

void QtMacroList::clampScroll() {
  firstRow_ = std::clamp(firstRow_, 0, std::max(0, count() - visibleRows()));
}

void QtMacroList::scrollToRow(int row) {
  if (row < firstRow_) firstRow_ = row;
  if (row >= firstRow_ + visibleRows()) firstRow_ = row - visibleRows() + 1;
  clampScroll();
  update();
}

void QtMacroList::scrollToEnd() {
  firstRow_ = count();
  clampScroll();
  update();
}

std::optional<int> QtMacroList::rowAt(QPoint point) const {
  const int row = firstRow_ + point.y() / kEntryHeight;
  if (point.y() < 0 || row >= count()) return std::nullopt;
  return row;
}

void QtMacroList::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  const bool events = !icons_.empty();
  const int indent = events ? kEventTextIndent : kTextIndent;
  for (int row = firstRow_; row < count() && row < firstRow_ + visibleRows() + 1; ++row) {
    const QRect entry(0, (row - firstRow_) * kEntryHeight, width(), kEntryHeight);
    const bool isSelected = selected_ == row;
    if (isSelected) painter.fillRect(entry, selectedBack_);
    if (events && static_cast<size_t>(row) < icons_.size() && !icons_[row].isNull()) {
      const QRect icon(kTextIndent, entry.top() + (kEntryHeight - kIconSize) / 2, kIconSize,
                       kIconSize);
      painter.drawPixmap(icon, icons_[row]);
    }
    painter.setPen(isSelected ? selectedText_ : text_);
    painter.drawText(entry.adjusted(indent, 0, -kTextIndent, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(texts_[row], Qt::ElideRight,
                                                      width() - indent - kTextIndent));
  }
}

void QtMacroList::mousePressEvent(QMouseEvent* event) {
  const std::optional<int> row = rowAt(event->position().toPoint());
  if (!row) {
    selected_.reset();
    update();
    emit selectionCleared();
    if (event->button() == Qt::RightButton)
      emit popupRequested(std::nullopt, event->globalPosition().toPoint());
    return;
  }
  setSelected(row);
  if (event->button() == Qt::RightButton)
    emit popupRequested(row, event->globalPosition().toPoint());
  else if (event->button() == Qt::LeftButton)
    emit entryClicked(*row);
}

void QtMacroList::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / kWheelStep;
  firstRow_ -= notches * kRowsPerNotch;
  clampScroll();
  update();
  event->accept();
}

}  // namespace mousecfg
