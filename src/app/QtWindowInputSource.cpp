#include "app/QtWindowInputSource.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <optional>

#include "app/QtVirtualKeys.h"
#include "settings/KeyCodes.h"

namespace mousecfg {

namespace {

// The recorder takes Shift, Ctrl and Alt by their generic codes, whichever side.
int withoutSide(int virtualKey) {
  switch (virtualKey) {
    case vk::kLeftShift:
    case vk::kRightShift:
      return vk::kShift;
    case vk::kLeftControl:
    case vk::kRightControl:
      return vk::kControl;
    case vk::kLeftMenu:
    case vk::kRightMenu:
      return vk::kMenu;
    default:
      return virtualKey;
  }
}

int virtualKeyOf(const QKeyEvent& event) {
  return withoutSide(virtualKeyOfQtKey(event.key(), event.modifiers(), event.nativeVirtualKey()));
}

std::optional<MouseButton> mouseButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    case Qt::BackButton:
      return MouseButton::Backward;
    case Qt::ForwardButton:
      return MouseButton::Forward;
    default:
      return std::nullopt;
  }
}

}  // namespace

void QtWindowInputSource::start(Sinks sinks) {
  sinks_ = std::move(sinks);
  if (started_) return;
  started_ = true;
  QCoreApplication::instance()->installEventFilter(this);
}

void QtWindowInputSource::stop() {
  if (!started_) return;
  started_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
}

// Input comes to a window first, which passes it on to the widget (and an ignored
// event on to its parents), so only what reaches a window is taken: each key and click
// once.
bool QtWindowInputSource::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWindowType()) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      if (const int key = virtualKeyOf(*static_cast<QKeyEvent*>(event)); key != 0)
        sinks_.keyDown(key);
      break;
    case QEvent::KeyRelease: {
      const auto& keyEvent = *static_cast<QKeyEvent*>(event);
      if (const int key = virtualKeyOf(keyEvent); key != 0 && !keyEvent.isAutoRepeat())
        sinks_.keyUp(key);
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
      if (const auto button = mouseButtonOf(static_cast<QMouseEvent*>(event)->button()))
        sinks_.button(*button, event->type() == QEvent::MouseButtonPress);
      break;
    default:
      break;
  }
  return false;
}

}  // namespace mousecfg
