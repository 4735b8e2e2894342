#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <functional>
#include <span>
#include <vector>

#include "app/QtAdvancedPageView.h"
#include "app/QtLightingPageView.h"
#include "app/QtMonitorTicks.h"
#include "app/QtShell.h"
#include "app/QtSkinSlider.h"
#include "app/QtTickOption.h"
#include "device/ConfigImage.h"
#include "device/ImageMap.h"
#include "device/SimulatedMouse.h"
#include "support/VirtualClock.h"

namespace mousecfg::test {

// Keeps the pointer settings and the macro library of the tests away from the desktop and
// the user's files: set before the shell reads the environment.
class PrivateDesktop {
 public:
  PrivateDesktop() {
    set("MOUSECFG_DESKTOP", "none");
    set("XDG_CONFIG_HOME", folder.path().toUtf8());
    set("XDG_DATA_HOME", (folder.path() + "/data").toUtf8());
  }
  ~PrivateDesktop() {
    for (const Saved& saved : saved_)
      if (saved.had)
        qputenv(saved.name, saved.value);
      else
        qunsetenv(saved.name);
  }
  PrivateDesktop(const PrivateDesktop&) = delete;
  PrivateDesktop& operator=(const PrivateDesktop&) = delete;
  QTemporaryDir folder;

 private:
  struct Saved {
    const char* name;
    bool had;
    QByteArray value;
  };
  void set(const char* name, const QByteArray& value) {
    saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv(name, value);
  }
  std::vector<Saved> saved_;
};

// The window over a simulated mouse with the Advanced and lighting views on their pages
// (the shell's own when it has them), both on one virtual clock.
class QtSettingsPageFixture : public ::testing::Test {
 protected:
  static constexpr int kConnectTimeoutMs = 8000;

  QtSettingsPageFixture() : mouse({}, [this] { return clock.nowMs(); }), shell(mouse, clock) {
    advanced = existingView<QtAdvancedPageView>(Page::Advanced);
    if (!advanced) {
      advanced = new QtAdvancedPageView(shell.window, shell.core.dpi, shell.core.systemMouse,
                                        shell.core.fireKeys, shell.window.page(Page::Advanced));
      shell.window.addPageView(advanced);
    }
    lighting = existingView<QtLightingPageView>(Page::Lighting);
    if (!lighting) {
      lighting = new QtLightingPageView(shell.window, shell.core.lighting,
                                        shell.window.page(Page::Lighting));
      shell.window.addPageView(lighting);
    }
  }

  template <typename View>
  View* existingView(Page page) {
    return shell.window.page(page)->findChild<View*>(QString(), Qt::FindDirectChildrenOnly);
  }

  // Changes the mouse's stored vendor section before the window reads it.
  void editStoredVendor(const std::function<void(std::span<uint8_t>)>& edit) {
    std::array<uint8_t, 2048> block = mouse.storedBlock();
    const std::span<uint8_t> vendor(block.data() + image::kVendorOffset, image::kVendorLength);
    edit(vendor);
    storeChecksum(vendor);
    mouse.setStoredBlock(block);
  }

  // Shows the window, ticks the monitor until the mouse was read, then opens a page by
  // its button.
  void connectAndOpen(const char* pageButton) {
    showWithoutMonitorTimer(shell);
    ASSERT_TRUE(tickMonitorUntilConnected(shell));
    QtPictureButton* button = shell.window.button(pageButton);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }

  template <typename Widget>
  Widget* widget(const char* name) {
    auto* found = shell.window.findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  void click(QWidget* target) {
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
  }
  void clickTrack(QtSkinSlider* slider, int trackPixel) {
    ASSERT_NE(slider, nullptr);
    QTest::mouseClick(slider, Qt::LeftButton, {}, slider->pointOnTrack(trackPixel));
  }
  QString picture(const char* name) {
    QtTickOption* option = widget<QtTickOption>(name);
    return option ? option->pictureName() : QString();
  }
  uint8_t stored(size_t offset) const { return mouse.storedBlock()[offset]; }

  PrivateDesktop desktop;
  VirtualClock clock;
  SimulatedMouse mouse;
  QtShell shell;
  QtAdvancedPageView* advanced = nullptr;
  QtLightingPageView* lighting = nullptr;
};

}  // namespace mousecfg::test
