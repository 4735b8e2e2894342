#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;

namespace mousecfg {

// The look the program's small dialogs share: a borderless, always-on-top window the
// size of the skin's "Msg" picture (or a drawn card of `fallbackSize` without it), shaped
// by its alpha, moved by dragging its background, with a title, fields and the skin's
// text and close buttons. A subclass creates its controls and handles their clicks.
class QtSkinDialog : public QWidget {
  Q_OBJECT

 public:
  // Skin set 2 puts light text on dark content; sets 1 and 3 dark text on light content.
  static bool hasDarkContent(int language) { return language == 2; }

 protected:
  QtSkinDialog(int language, QSize fallbackSize, QWidget* parent);

  // Centres the dialog over `parent`, shows it on top and gives `focus` the focus.
  void showCentredOver(QWidget* parent, QWidget* focus);

  QLabel* addTitle(const QString& text, QPoint place, int width, const QColor& colour);
  QLineEdit* addField(const QString& name, const QRect& place);
  QWidget* addTextButton(const QString& name, const QString& caption, QPoint place);
  QWidget* addCloseButton(QPoint place);
  // Runs `handler` when a button made by addTextButton or addCloseButton is clicked.
  void onClick(QWidget* button, std::function<void()> handler);

  int language() const { return language_; }
  bool darkContent() const { return hasDarkContent(language_); }
  const QFont& textFont() const { return font_; }
  void setTextStyle(const QFont& font, const QColor& colour);
  const QColor& textColour() const { return textColour_; }

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // After a drag, the focus goes back where typing belongs.
  virtual void dragEnded() {}

 private:
  void shapeWindow();

  int language_;
  QPixmap background_;
  QFont font_;
  QColor textColour_;
  bool dragging_ = false;
  QPoint dragOffset_;
};

}  // namespace mousecfg
