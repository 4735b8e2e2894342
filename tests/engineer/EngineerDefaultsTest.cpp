#include "engineer/EngineerDefaults.h"

#include <gtest/gtest.h>

#include "DefaultImage.h"
#include "support/HexBytes.h"
#include "support/SimulatedLinkFixture.h"

namespace mousecfg::test {
namespace {

class EngineerDefaultsTest : public SimulatedLinkFixture {
 protected:
  void SetUp() override {
    auto block = builtInDefaultImage();
    block[111] = 'X';   // product string
    block[140] = 0xD1;  // combo key 4
    storeChecksum(std::span(block).subspan(0, 164));
    block[166] = 0x04;  // active DPI level
    storeChecksum(std::span(block).subspan(164, 28));
    block[496] = 'M';    // a macro record
    block[1014] = 0x12;  // patch check value
    block[1015] = 0x34;
    block[1030] = 0x77;  // patch code
    mouse.setStoredBlock(block);
    link.discovery.DevTimerTimer();
    ASSERT_TRUE(link.channel.isOpen());
    mouse.clearTrace();
  }

  EngineerDefaults defaults{link};
};

TEST_F(EngineerDefaultsTest, TheBuildersSectionsGoOutAsOneImageAndAreReadBack) {
  VendorSection vendor = link.image.vendor;
  UserSection user = link.image.user;
  BuildDefaultVendorSection(vendor, link.builderInputs());
  BuildDefaultUserSection(user, link.builderInputs());
  link.image.committedGunTable[5] = 0x42;

  EXPECT_EQ(defaults.TLDefaultParameter(), RestoreOutcome::ReadBack);

  const auto sent = framesStartingWith("S 4");
  ASSERT_GE(sent.size(), 295u);
  EXPECT_EQ(sent[0], "S 40 07 00 00 08 00 00 00");
  EXPECT_EQ(framesStartingWith("S 41").size(), 293u);
  EXPECT_EQ(sent[294], "S 40 0E 00 00 00 00 00 00");
  EXPECT_EQ(mouse.restartCount(), 1);

  const auto stored = mouse.storedBlock();
  EXPECT_EQ(hexRange(stored, 0, 164), hexBytes(vendor));
  const std::string_view productString = "HID Gaming mouse";
  EXPECT_EQ(hexRange(stored, 111, 16),
            hexBytes(std::vector<uint8_t>(productString.begin(), productString.end())));
  EXPECT_EQ(hexRange(stored, 164, 28), hexBytes(user));
  EXPECT_EQ(stored[166], 0x01);
  EXPECT_EQ(stored[304 + 5], 0x42) << "the committed gun table";
  EXPECT_EQ(hexRange(stored, 496, 512), hexRepeat(0x00, 512)) << "no device macros";
  EXPECT_EQ(hexRange(stored, 1008, 16), hexRange(builtInDefaultImage(), 1008, 6) + " 12 34 " +
                                            hexRange(builtInDefaultImage(), 1016, 8))
      << "the patch record is not macro data";
  EXPECT_EQ(stored[1030], 0x77);
  EXPECT_EQ(hexBytes(link.image.buffer), hexBytes(stored)) << "read back";
  EXPECT_EQ(link.macros.macroCount(), 0u);
  EXPECT_FALSE(link.batchFlag());
}

TEST_F(EngineerDefaultsTest, WithoutADeviceItSaysStr022) {
  link.channel.closeAll();
  const int progressShows = host.progressShows;
  EXPECT_EQ(defaults.TLDefaultParameter(), RestoreOutcome::NoDevice);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Str022"});
  EXPECT_EQ(host.progressShows, progressShows);
  EXPECT_FALSE(link.batchFlag());
  EXPECT_EQ(mouse.restartCount(), 0);
}

}  // namespace
}  // namespace mousecfg::test
