#include "app/QtDesktopInputSource.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include "app/QtRawInputSource.h"
#include "app/QtWindowInputSource.h"

namespace mousecfg::test {
namespace {

constexpr const char* kX11 = "xcb";

// The tests run on the offscreen platform unless told otherwise.
TEST(QtDesktopInputSourceTest, IsTheWindowsOwnInputAwayFromX11) {
  if (QGuiApplication::platformName() == kX11) GTEST_SKIP() << "on X11";
  const auto source = makeDesktopInputSource();
  ASSERT_NE(source, nullptr);
  EXPECT_NE(dynamic_cast<QtWindowInputSource*>(source.get()), nullptr);
  EXPECT_FALSE(source->global());
}

TEST(QtDesktopInputSourceTest, RawInputDoesNotOpenAwayFromX11) {
  if (QGuiApplication::platformName() == kX11) GTEST_SKIP() << "on X11";
  EXPECT_EQ(QtRawInputSource::open(), nullptr);
}

}  // namespace
}  // namespace mousecfg::test
