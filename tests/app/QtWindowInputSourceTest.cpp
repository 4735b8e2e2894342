#include "app/QtWindowInputSource.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <string>
#include <vector>

#include "app/QtVirtualKeys.h"

namespace mousecfg::test {
namespace {

// A widget that notes the input it is given, to show that the source lets it through.
class NotingWidget : public QWidget {
 public:
  std::vector<QEvent::Type> received;

 protected:
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
        received.push_back(event->type());
        break;
      default:
        break;
    }
    return QWidget::event(event);
  }
};

const char* nameOf(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return "Left";
    case MouseButton::Right:
      return "Right";
    case MouseButton::Middle:
      return "Middle";
    case MouseButton::Forward:
      return "Forward";
    case MouseButton::Backward:
      return "Backward";
  }
  return "?";
}

std::string hex(int virtualKey) {
  return QString::number(virtualKey, 16).toUpper().toStdString();
}

class QtWindowInputSourceTest : public ::testing::Test {
 protected:
  QtWindowInputSourceTest() {
    widget.resize(100, 100);
    widget.show();
  }

  InputSource::Sinks sinks() {
    return {[this](int key) { heard.push_back("down " + hex(key)); },
            [this](int key) { heard.push_back("up " + hex(key)); },
            [this](MouseButton button, bool pressed) {
              heard.push_back(std::string(nameOf(button)) + (pressed ? " down" : " up"));
            }};
  }

  // Input reaches the window first, as the platform delivers it, and the window passes
  // it on to the widget.
  void send(QEvent& event) { QCoreApplication::sendEvent(widget.windowHandle(), &event); }
  void key(QEvent::Type type, int qtKey, bool autoRepeat = false, quint32 keysym = 0) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, 0, keysym, 0, QString(), autoRepeat);
    send(event);
  }
  void click(Qt::MouseButton button) {
    const QPointF inside(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, widget.mapToGlobal(inside), button, button,
                      Qt::NoModifier);
    send(press);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, widget.mapToGlobal(inside), button,
                        Qt::NoButton, Qt::NoModifier);
    send(release);
  }

  NotingWidget widget;
  QtWindowInputSource source;
  std::vector<std::string> heard;
};

using Heard = std::vector<std::string>;

TEST_F(QtWindowInputSourceTest, HearsKeysWithTheirAutoRepeatAsFurtherKeyDowns) {
  source.start(sinks());
  key(QEvent::KeyPress, Qt::Key_A);
  key(QEvent::KeyRelease, Qt::Key_A, true);
  key(QEvent::KeyPress, Qt::Key_A, true);
  key(QEvent::KeyRelease, Qt::Key_A);
  EXPECT_EQ(heard, (Heard{"down 41", "down 41", "up 41"}));
  EXPECT_EQ(widget.received, (std::vector<QEvent::Type>{QEvent::KeyPress, QEvent::KeyRelease,
                                                        QEvent::KeyPress, QEvent::KeyRelease}))
      << "every key event still reaches the widget";
}

TEST_F(QtWindowInputSourceTest, HearsTheButtons) {
  source.start(sinks());
  click(Qt::LeftButton);
  click(Qt::BackButton);
  click(Qt::ForwardButton);
  click(Qt::RightButton);
  click(Qt::MiddleButton);
  EXPECT_EQ(heard, (Heard{"Left down", "Left up", "Backward down", "Backward up", "Forward down",
                          "Forward up", "Right down", "Right up", "Middle down", "Middle up"}));
  EXPECT_EQ(widget.received.size(), 10u) << "every click still reaches the widget";
}

TEST_F(QtWindowInputSourceTest, GivesShiftCtrlAndAltWithoutTheirSide) {
  source.start(sinks());
  key(QEvent::KeyPress, Qt::Key_Shift, false, keysym::kShiftRight);
  key(QEvent::KeyPress, Qt::Key_Control, false, keysym::kControlLeft);
  key(QEvent::KeyPress, Qt::Key_AltGr, false, keysym::kIsoLevel3Shift);
  key(QEvent::KeyPress, Qt::Key_Meta, false, keysym::kSuperRight);
  EXPECT_EQ(heard, (Heard{"down 10", "down 11", "down 12", "down 5C"}));
}

TEST_F(QtWindowInputSourceTest, LeavesOutKeysAndButtonsWithoutACode) {
  source.start(sinks());
  key(QEvent::KeyPress, Qt::Key_Eject);
  key(QEvent::KeyRelease, Qt::Key_Eject);
  click(Qt::ExtraButton3);
  EXPECT_TRUE(heard.empty());
}

// A key the focused child ignores goes on to its parent, and a click to the parent of
// the widget under the pointer: each is still heard once.
TEST_F(QtWindowInputSourceTest, HearsAnEventPassedOnToParentsOnce) {
  auto* child = new QWidget(&widget);
  child->setGeometry(0, 0, 50, 50);
  child->setFocusPolicy(Qt::StrongFocus);
  child->show();
  child->setFocus();
  source.start(sinks());
  key(QEvent::KeyPress, Qt::Key_B);
  click(Qt::LeftButton);
  EXPECT_EQ(heard, (Heard{"down 42", "Left down", "Left up"}));
  EXPECT_EQ(widget.received.front(), QEvent::KeyPress) << "the child passed the key on";
}

TEST_F(QtWindowInputSourceTest, HearsNothingOnceStopped) {
  source.start(sinks());
  source.stop();
  key(QEvent::KeyPress, Qt::Key_A);
  key(QEvent::KeyRelease, Qt::Key_A);
  click(Qt::LeftButton);
  EXPECT_TRUE(heard.empty());
  EXPECT_EQ(widget.received.size(), 4u);
}

TEST_F(QtWindowInputSourceTest, HearsAgainWhenStartedAgain) {
  source.start(sinks());
  source.stop();
  source.start(sinks());
  key(QEvent::KeyPress, Qt::Key_Z);
  EXPECT_EQ(heard, (Heard{"down 5A"}));
}

TEST_F(QtWindowInputSourceTest, IsNotGlobal) {
  EXPECT_FALSE(source.global());
}

}  // namespace
}  // namespace mousecfg::test
