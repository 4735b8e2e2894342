#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "app/QtFunctionMenuStyle.h"
#include "settings/FunctionMenu.h"

namespace mousecfg {

class QtMenuItem;

// One panel of the function menu: a dark rounded panel with a thin border, its items
// stacked inside it. Items that lie below the panel's height are cut off, as the
// model's sizing intends.
class QtMenuPanel : public QWidget {
 public:
  QtMenuPanel(QWidget* parent, MenuPanel id);

  void render(const MenuPanelState& state, const FunctionMenu& menu,
              const FunctionMenuStyle& style);
  QWidget* item(size_t index) const;

  std::function<void(size_t)> onEnter;
  std::function<void(size_t)> onLeave;
  std::function<void(size_t)> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void matchItemCount(const MenuPanelState& state);

  MenuPanel id_;
  FunctionMenuStyle style_;
  std::vector<QtMenuItem*> items_;
};

// An item of a panel: the bullet, the caption and, for a category, an arrow.
class QtMenuItem : public QWidget {
 public:
  explicit QtMenuItem(QWidget* parent);

  struct Look {
    QString caption;
    bool hovered = false;
    bool category = false;
    bool categoryOpen = false;  // its sub-menu is showing
  };
  void setLook(const Look& look, const FunctionMenuStyle& style);
  QString caption() const { return look_.caption; }

  std::function<void()> onEnter;
  std::function<void()> onLeave;
  std::function<void()> onClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void paintArrow(QPainter& painter, const QColor& colour) const;

  Look look_;
  FunctionMenuStyle style_;
  bool pressed_ = false;
};

}  // namespace mousecfg
