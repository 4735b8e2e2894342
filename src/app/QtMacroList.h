#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace mousecfg {

// One of the macro page's three lists, drawn by itself: the entries' texts 4 pixels from
// the left (or, in the event list, an icon there and the text 35 pixels in), the selected
// entry on the macro colour, the others on the list colour. A left click selects the
// entry under the pointer; a right click selects it first and then asks for the popup;
// a click below the last entry clears the selection.
class QtMacroList : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kTextIndent = 4;
  static constexpr int kEventTextIndent = 35;
  static constexpr int kEntryHeight = 22;

  explicit QtMacroList(QWidget* parent = nullptr);

  void setEntries(const QStringList& texts);
  // The event list: one icon per entry, chosen by the caller (the line's kind).
  void setIcons(const std::vector<QPixmap>& icons);
  void setSelected(std::optional<int> row);
  std::optional<int> selected() const { return selected_; }
  int count() const { return static_cast<int>(texts_.size()); }
  QString entry(int row) const { return texts_.value(row); }
  void setColours(const QColor& selected, const QColor& others, const QColor& text,
                  const QColor& selectedText);
  void setTextFont(const QFont& font);
  // The first row shown; the list scrolls by the wheel and keeps the selection in view.
  void scrollToRow(int row);
  void scrollToEnd();

  // The entry a point of the list lies on; nullopt below the last entry.
  std::optional<int> rowAt(QPoint point) const;

 signals:
  void entryClicked(int row);
  // A right click; `row` is nullopt below the last entry.
  void popupRequested(std::optional<int> row, QPoint globalPosition);
  void selectionCleared();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  int visibleRows() const;
  void clampScroll();

  QStringList texts_;
  std::vector<QPixmap> icons_;
  std::optional<int> selected_;
  int firstRow_ = 0;
  QColor selectedBack_;
  QColor back_;
  QColor text_;
  QColor selectedText_;
};

}  // namespace mousecfg
