#include <gtest/gtest.h>

#include <QLocale>

#include "app/QtEngineerWidgets.h"

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

}  // namespace
}  // namespace mousecfg::test
