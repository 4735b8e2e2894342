#include "engineer/FireMacroOffsets.h"

#include <gtest/gtest.h>

#include "fire/FireFixture.h"

namespace mousecfg::test {
namespace {

using namespace image;

class FireMacroOffsetsTest : public FireFixture {
 protected:
  std::string checksumWrite() const {
    return "S 40 05 00 BF " + hexBytes(std::array{link.image.user[kUserLength - 1]}) + " 00 00 01";
  }

  FireMacroOffsets& offsets = core.fireMacroOffsets;
};

TEST_F(FireMacroOffsetsTest, AnXOffsetIsWrittenAsASignedByteWithTheUserChecksum) {
  EXPECT_EQ(offsets.offsetChange(9, OffsetAxis::X, "-3"), -3);
  // Fire macro 9's X offset is user byte 7 + 8 = image 179.
  const std::vector<std::string> expected{"S 40 05 00 B3 FD 00 00 01", checksumWrite()};
  EXPECT_EQ(commands(), expected);
  EXPECT_EQ(storedHex(179, 1), "FD");
  EXPECT_TRUE(storedUserValid());
  EXPECT_EQ(offsets.text(9, OffsetAxis::X), "-3");
  EXPECT_TRUE(offsets.lastWrite.ok());
}

TEST_F(FireMacroOffsetsTest, YOffsetsLieTenBytesOnAndValuesAreClampedToASignedByte) {
  EXPECT_EQ(offsets.offsetChange(10, OffsetAxis::Y, "300"), 127);
  EXPECT_EQ(storedHex(kUserOffset + 26, 1), "7F");
  EXPECT_EQ(offsets.offsetChange(1, OffsetAxis::Y, "-200"), -128);
  EXPECT_EQ(storedHex(kUserOffset + 17, 1), "80");
  EXPECT_EQ(offsets.offsetChange(1, OffsetAxis::Y, "99999999999"), 127) << "saturates";
}

TEST_F(FireMacroOffsetsTest, TextThatIsNoNumberYetOrAMacroOutsideTheTenSendsNothing) {
  for (const char* typed : {"", "-", "1a", "--1", "+4", " 3"})
    EXPECT_EQ(offsets.offsetChange(2, OffsetAxis::X, typed), std::nullopt) << typed;
  EXPECT_EQ(offsets.offsetChange(0, OffsetAxis::X, "1"), std::nullopt);
  EXPECT_EQ(offsets.offsetChange(11, OffsetAxis::X, "1"), std::nullopt);
  EXPECT_TRUE(commands().empty());
  EXPECT_EQ(offsets.text(11, OffsetAxis::X), "0");
}

TEST_F(FireMacroOffsetsTest, AGunOffsetWrittenHereReplacesWhatWaitsOnTheGunPage) {
  assignment.setEditedProfile(2);
  assignment.openForKeyLabel(4, {200, 110, 140, 40}, {800, 560});
  assignment.fireMacroItemClick();
  core.gunPage.Btn_FireClick(2);
  core.gunPage.fieldChange(GunField::XOffset, "9");
  core.gunPage.fieldChange(GunField::YOffset, "5");
  mouse.clearTrace();
  ASSERT_TRUE(offsets.offsetChange(2, OffsetAxis::Y, "4"));
  EXPECT_EQ(core.gunPage.field(GunField::YOffset), "4");
  EXPECT_EQ(core.gunPage.field(GunField::XOffset), "9") << "the other axis still waits";
  core.gunPage.Btn_ConfirmClick();
  EXPECT_EQ(storedHex(kUserOffset + kUserYOffsets + 1, 1), "04");
  EXPECT_EQ(storedHex(kUserOffset + kUserXOffsets + 1, 1), "09");
}

TEST_F(FireMacroOffsetsTest, AnUnpluggedMouseReportsTheLossAndTheImageKeepsTheValue) {
  mouse.unplug();
  EXPECT_EQ(offsets.offsetChange(5, OffsetAxis::X, "12"), 12);
  EXPECT_FALSE(offsets.lastWrite.ok());
  EXPECT_EQ(offsets.offset(5, OffsetAxis::X), 12);
}

}  // namespace
}  // namespace mousecfg::test
