#include "app/QtRawInputSource.h"

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <array>
#include <optional>

#include "app/X11VirtualKeys.h"

// Xlib's headers define macros (None, Bool, KeyPress, ...) that clash with Qt's names,
// so they come last.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace mousecfg {

namespace {

constexpr int kXInputMajor = 2;
// Asking for 2.2 rather than 2.0 makes the server treat this client as one of XInput
// 2.1 or later, which gets raw events even while another client holds a grab.
constexpr int kXInputMinorAsked = 2;

constexpr int kXButtonLeft = 1;
constexpr int kXButtonMiddle = 2;
constexpr int kXButtonRight = 3;
constexpr int kXButtonBackward = 8;
constexpr int kXButtonForward = 9;

constexpr int kFirstGroup = 0;
constexpr int kFirstLevel = 0;
constexpr int kSecondLevel = 1;  // where the keypad's digits are

std::optional<MouseButton> mouseButtonOf(int xButton) {
  switch (xButton) {
    case kXButtonLeft:
      return MouseButton::Left;
    case kXButtonMiddle:
      return MouseButton::Middle;
    case kXButtonRight:
      return MouseButton::Right;
    case kXButtonBackward:
      return MouseButton::Backward;
    case kXButtonForward:
      return MouseButton::Forward;
    default:  // the wheel's buttons 4 to 7, and the rest
      return std::nullopt;
  }
}

// A connection of its own to the display Qt uses, so that selecting on the root window
// and reading events never disturbs Qt's.
Display* openConnection() {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->display()) return nullptr;
  return XOpenDisplay(DisplayString(x11->display()));
}

std::optional<int> xinput2Opcode(Display* display) {
  int opcode = 0;
  int firstEvent = 0;
  int firstError = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &firstEvent, &firstError))
    return std::nullopt;
  int major = kXInputMajor;
  int minor = kXInputMinorAsked;
  if (XIQueryVersion(display, &major, &minor) != Success || major < kXInputMajor)
    return std::nullopt;
  return opcode;
}

}  // namespace

void QtRawInputSource::DisplayCloser::operator()(Display* display) const {
  XCloseDisplay(display);
}

std::unique_ptr<QtRawInputSource> QtRawInputSource::open() {
  DisplayPtr display(openConnection());
  if (!display) return nullptr;
  const auto opcode = xinput2Opcode(display.get());
  if (!opcode) return nullptr;
  return std::unique_ptr<QtRawInputSource>(new QtRawInputSource(std::move(display), *opcode));
}

QtRawInputSource::QtRawInputSource(DisplayPtr display, int opcode)
    : display_(std::move(display)),
      opcode_(opcode),
      numLockMask_(XkbKeysymToModifiers(display_.get(), XK_Num_Lock)),
      notifier_(std::make_unique<QSocketNotifier>(ConnectionNumber(display_.get()),
                                                  QSocketNotifier::Read)) {
  notifier_->setEnabled(false);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                   [this] { readEvents(); });
}

QtRawInputSource::~QtRawInputSource() {
  stop();
  notifier_.reset();  // before its socket is closed with the connection
}

void QtRawInputSource::start(Sinks sinks) {
  sinks_ = std::move(sinks);
  if (started_) return;
  started_ = true;
  select(true);
  notifier_->setEnabled(true);
}

void QtRawInputSource::stop() {
  if (!started_) return;
  started_ = false;
  select(false);
  readEvents();  // drops what came before the selection ended
  notifier_->setEnabled(false);
}

void QtRawInputSource::select(bool on) {
  std::array<unsigned char, XIMaskLen(XI_RawButtonRelease)> bits{};
  if (on) {
    for (const int type :
         {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease})
      XISetMask(bits.data(), type);
  }
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(bits.size()), bits.data()};
  XISelectEvents(display_.get(), DefaultRootWindow(display_.get()), &mask, 1);
  XSync(display_.get(), False);
}

// Xlib may already hold events it read while waiting for a reply, which the socket no
// longer signals, so the queue is emptied each time.
void QtRawInputSource::readEvents() {
  Display* display = display_.get();
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    XGenericEventCookie& cookie = event.xcookie;
    if (cookie.type != GenericEvent || cookie.extension != opcode_ ||
        !XGetEventData(display, &cookie))
      continue;
    const int detail = static_cast<const XIRawEvent*>(cookie.data)->detail;
    const int type = cookie.evtype;
    XFreeEventData(display, &cookie);
    if (started_) deliver(type, detail);
  }
}

void QtRawInputSource::deliver(int eventType, int detail) {
  switch (eventType) {
    case XI_RawKeyPress:
    case XI_RawKeyRelease:
      if (const int key = virtualKeyOfKeycode(detail); key != 0)
        (eventType == XI_RawKeyPress ? sinks_.keyDown : sinks_.keyUp)(key);
      break;
    case XI_RawButtonPress:
    case XI_RawButtonRelease:
      if (const auto button = mouseButtonOf(detail))
        sinks_.button(*button, eventType == XI_RawButtonPress);
      break;
    default:
      break;
  }
}

// Raw events carry no modifier state, so Num Lock is asked for when a keypad key
// would read differently with it.
int QtRawInputSource::virtualKeyOfKeycode(int keycode) {
  Display* display = display_.get();
  const auto code = static_cast<KeyCode>(keycode);
  const KeySym first = XkbKeycodeToKeysym(display, code, kFirstGroup, kFirstLevel);
  if (IsKeypadKey(first) && numLockMask_ != 0) {
    const KeySym second = XkbKeycodeToKeysym(display, code, kFirstGroup, kSecondLevel);
    XkbStateRec state{};
    if (IsKeypadKey(second) && second != first &&
        XkbGetState(display, XkbUseCoreKbd, &state) == Success && (state.mods & numLockMask_) != 0)
      return virtualKeyOfKeysym(second);
  }
  return virtualKeyOfKeysym(first);
}

}  // namespace mousecfg
