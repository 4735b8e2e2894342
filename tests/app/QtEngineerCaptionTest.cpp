#include <gtest/gtest.h>

#include <QLocale>
#include <QPushButton>

#include "app/QtEngineerWidgets.h"
#include "app/QtShell.h"
#include "device/SimulatedMouse.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {
namespace {

// Sets the default locale for one test and puts the previous one back.
class DefaultLocale {
 public:
  explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(previous_); }

 private:
  QLocale previous_;
};

TEST(QtEngineerCaption, FollowsTheDefaultLocaleRatherThanTheDesktop) {
  {
    DefaultLocale chinese(QLocale(QLocale::Chinese, QLocale::China));
    EXPECT_EQ(engineerCaption("操作员", "Operator"), QString::fromUtf8("操作员"));
  }
  DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(engineerCaption("操作员", "Operator"), QStringLiteral("Operator"));
}

// The window built in one locale, before it is shown or reads the mouse.
struct WindowIn {
  explicit WindowIn(const QLocale& captions) : locale(captions), shell(mouse, clock) {}
  QPushButton* button(const char* name) { return shell.window.findChild<QPushButton*>(name); }

  DefaultLocale locale;
  VirtualClock clock;
  SimulatedMouse mouse;
  QtShell shell;
};

struct TopButton {
  const char* name;
  const char* text;
  const char* englishTip;
};

constexpr TopButton kTopButtons[] = {
    {"btn_SaveConfig", "保存配置", "Save configuration to a file"},
    {"btn_LoadConfig", "加载配置", "Load configuration from a file"},
    {"btn_ImportMacro", "导入普通宏", "Import device macros from a file"},
    {"btn_ImportGun", "导入压枪宏", "Import gun presets from a file"},
    {"btn_Default", "恢复默认值", "Restore defaults"},
};

TEST(QtEngineerTopButtons, EnglishCaptionsGiveTheChineseButtonsEnglishTips) {
  WindowIn window(QLocale(QLocale::English, QLocale::UnitedStates));
  for (const TopButton& expected : kTopButtons) {
    QPushButton* button = window.button(expected.name);
    ASSERT_NE(button, nullptr) << expected.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(expected.text));
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(expected.englishTip));
  }
}

TEST(QtEngineerTopButtons, ChineseCaptionsLeaveTheButtonsWithoutTips) {
  WindowIn window(QLocale(QLocale::Chinese, QLocale::China));
  for (const TopButton& expected : kTopButtons) {
    QPushButton* button = window.button(expected.name);
    ASSERT_NE(button, nullptr) << expected.name;
    EXPECT_EQ(button->text(), QString::fromUtf8(expected.text));
    EXPECT_TRUE(button->toolTip().isEmpty()) << expected.name;
  }
}

}  // namespace
}  // namespace mousecfg::test
