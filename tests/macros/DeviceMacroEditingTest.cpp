#include "macros/DeviceMacroEditing.h"

#include <gtest/gtest.h>

#include <vector>

#include "DefaultImage.h"
#include "base/LanguageKeys.h"
#include "device/MacroName.h"
#include "support/HexBytes.h"
#include "support/SimulatedCoreFixture.h"

namespace mousecfg::test {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kBlock = 0x1F0;
constexpr size_t kProfile1 = 192;

// A body of exactly `length` bytes, end byte included: left clicks, then the end.
Bytes bodyOfLength(size_t length) {
  EXPECT_LE(length, 256u) << "a macro body holds at most 256 bytes";
  length = std::min<size_t>(length, 256);
  Bytes body(length - 1, 0xA1);
  body.push_back(0x00);
  return body;
}

LibrarySlot libraryMacro(const std::string& name, const Bytes& body) {
  LibrarySlot slot;
  slot.name = macro::encodeMacroName(name);
  std::copy(body.begin(), body.end(), slot.body.begin());
  return slot;
}

// The simulated mouse with device macros stored back to back from 0x1F0 and a pattern in
// the 144 bytes after the record area, read by the core as the window does at start.
class DeviceMacroEditingTest : public SimulatedCoreFixture {
 protected:
  void store(const std::vector<LibrarySlot>& records, size_t recordBodyLength = 0) {
    stored = builtInDefaultImage();
    std::fill(stored.begin() + kBlock, stored.begin() + kBlock + 512, 0x00);
    size_t at = kBlock;
    for (const LibrarySlot& r : records) {
      std::copy(r.name.begin(), r.name.end(), stored.begin() + static_cast<long>(at));
      at += 16;
      const size_t length = recordBodyLength ? recordBodyLength : r.length();
      std::copy_n(r.body.begin(), length, stored.begin() + static_cast<long>(at));
      at += length;
    }
    for (size_t i = 0; i < 144; ++i) stored[kBlock + 512 + i] = static_cast<uint8_t>(i * 7 + 1);
  }
  void pointButton(int button, uint16_t address) {
    const size_t at = kProfile1 + 4 * static_cast<size_t>(button - 1);
    stored[at] = 0x10;
    stored[at + 1] = static_cast<uint8_t>(address >> 8);
    stored[at + 2] = static_cast<uint8_t>(address & 0xFF);
    stored[at + 3] = 0x00;
    storeChecksum(std::span(stored).subspan(kProfile1, 49));
  }
  void start() {
    mouse.setStoredBlock(stored);
    readDevice();
    ASSERT_TRUE(link.connection.supportsStoredWrites()) << link.connection.interfaceType;
  }
  // The block writes the mouse saw, as "address length".
  std::vector<std::string> blockWrites() const {
    std::vector<std::string> writes;
    for (const std::string& frame : framesStartingWith("S 40 07"))
      writes.push_back(frame.substr(8, 11));
    return writes;
  }
  std::string storedButton(int button) const {
    return hexRange(mouse.storedBlock(), kProfile1 + 4 * static_cast<size_t>(button - 1), 4);
  }

  std::array<uint8_t, 2048> stored{};
  DeviceMacroEditing editing{core.link, core.assignment};
};

TEST_F(DeviceMacroEditingTest, AddToMouseWritesTheProfilesThenTheBlockInTwoHalves) {
  store({libraryMacro("Walk", bodyOfLength(24))});
  start();
  const auto trailing = hexRange(mouse.storedBlock(), kBlock + 512, 144);
  EXPECT_EQ(editing.addToMouse(libraryMacro("Jump", {0x82, 0x04, 0x02, 0x04, 0x00})),
            DeviceMacroChange::Written);
  EXPECT_TRUE(editing.lastWrite.ok());
  EXPECT_EQ(blockWrites(), (std::vector<std::string>{"00 C0 00 93", "01 F0 01 48", "03 38 01 48"}));
  EXPECT_EQ(hexRange(mouse.storedBlock(), kBlock + 40, 21),
            "00 4A 00 75 00 6D 00 70 00 00 00 00 00 00 00 00 82 04 02 04 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), kBlock + 512, 144), trailing);
  EXPECT_EQ(link.macros.names(), (std::vector<std::string>{"Walk", "Jump"}));
  EXPECT_EQ(link.macros.slot(1).startAddress, 0x200 + 40);
  EXPECT_FALSE(host.progressVisible);
  EXPECT_TRUE(link.monitorTimerEnabled()) << "the monitor runs again afterwards";
}

TEST_F(DeviceMacroEditingTest, ATotalOfExactly512BytesFits) {
  // Records of 272 and 160 bytes, then one of 80.
  store({libraryMacro("Big", bodyOfLength(256)), libraryMacro("Mid", bodyOfLength(144))});
  start();
  EXPECT_EQ(editing.addToMouse(libraryMacro("Rest", bodyOfLength(64))), DeviceMacroChange::Written);
  EXPECT_EQ(link.macros.totalLength(), 512u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(DeviceMacroEditingTest, A513thByteUndoesTheAdditionAndSendsNothing) {
  store({libraryMacro("Big", bodyOfLength(256)), libraryMacro("Mid", bodyOfLength(144))});
  start();
  const auto block = link.macros.block();
  EXPECT_EQ(editing.addToMouse(libraryMacro("Rest", bodyOfLength(65))), DeviceMacroChange::TooLong);
  EXPECT_EQ(host.messages, std::vector<std::string>{langkey::message::kMacroTooLong});
  EXPECT_EQ(hexBytes(link.macros.block()), hexBytes(block));
  EXPECT_EQ(link.macros.macroCount(), 2u);
  EXPECT_TRUE(blockWrites().empty());
}

TEST_F(DeviceMacroEditingTest, ASecondMacroOfTheSameNameIsRefused) {
  store({libraryMacro("Jump", bodyOfLength(10))});
  start();
  EXPECT_EQ(editing.addToMouse(libraryMacro("Jump", bodyOfLength(5))),
            DeviceMacroChange::Duplicate);
  EXPECT_EQ(host.messages, std::vector<std::string>{langkey::message::kMacroExists});
  EXPECT_TRUE(blockWrites().empty());
}

TEST_F(DeviceMacroEditingTest, ASixteenthMacroIsIgnoredSilently) {
  std::vector<LibrarySlot> fifteen;
  for (int k = 0; k < 15; ++k) fifteen.push_back(libraryMacro("M" + std::to_string(k), {0x00}));
  store(fifteen);
  start();
  ASSERT_EQ(link.macros.macroCount(), 15u);
  EXPECT_EQ(editing.addToMouse(libraryMacro("More", {0x00})), DeviceMacroChange::Ignored);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(blockWrites().empty());
}

TEST_F(DeviceMacroEditingTest, DeletingTheFirstMacroMovesTheSecondAndItsButtonFollows) {
  store({libraryMacro("First", bodyOfLength(24)), libraryMacro("Second", bodyOfLength(1))});
  pointButton(6, 0x200 + 40);  // Second
  pointButton(7, 0x200);       // First
  start();
  EXPECT_EQ(editing.deleteMacro(0), DeviceMacroChange::Written);
  EXPECT_EQ(link.macros.names(), std::vector<std::string>{"Second"});
  EXPECT_EQ(hexRange(mouse.storedBlock(), kBlock, 2), "00 53");
  EXPECT_EQ(storedButton(6), "10 02 00 00");
  EXPECT_EQ(storedButton(7), "00 00 00 00") << "its macro is gone";
  EXPECT_EQ(blockWrites(), (std::vector<std::string>{"00 C0 00 93", "01 F0 01 48", "03 38 01 48"}));
  const auto block = mouse.storedBlock();
  EXPECT_TRUE(hasValidChecksum(std::span(block).subspan(kProfile1, 49)));
}

TEST_F(DeviceMacroEditingTest, ButtonsThatMerelyShareAMacrosNameKeepTheirFunction) {
  store({libraryMacro("Mute", bodyOfLength(5))});
  start();
  const auto before = link.image.profile1;
  std::array<std::array<std::string, 12>, 2> names{};
  names[0].fill("Mute");
  names[1].fill("Mute");
  editing.RefreshMacroAddr(names);
  EXPECT_EQ(hexBytes(link.image.profile1), hexBytes(before));
}

TEST_F(DeviceMacroEditingTest, AMacroBlockFileGoesToTheMouseAsItIsWithButtonsUnchanged) {
  store({});
  pointButton(6, 0x200);
  start();
  Bytes file(16, 0x00);
  file[1] = 'Z';
  file.insert(file.end(), {0xA1, 0x21, 0x00});  // a short file: the rest stays
  EXPECT_EQ(editing.writeMacroBlockFile(file), DeviceMacroChange::Written);
  EXPECT_EQ(link.macros.names(), std::vector<std::string>{"Z"});
  EXPECT_EQ(blockWrites(), (std::vector<std::string>{"01 F0 01 48", "03 38 01 48"}));
  EXPECT_EQ(storedButton(6), "10 02 00 00");
  EXPECT_EQ(hexRange(mouse.storedBlock(), kBlock + 16, 3), "A1 21 00");
}

TEST_F(DeviceMacroEditingTest, WithoutAMemoryThatKeepsMacrosNothingHappens) {
  store({libraryMacro("Walk", bodyOfLength(5))});
  start();
  link.connection.interfaceType = "";
  EXPECT_EQ(editing.addToMouse(libraryMacro("Jump", {0x00})), DeviceMacroChange::Ignored);
  EXPECT_EQ(editing.deleteMacro(0), DeviceMacroChange::Ignored);
  EXPECT_EQ(editing.writeMacroBlockFile(Bytes(656, 0)), DeviceMacroChange::Ignored);
  EXPECT_TRUE(blockWrites().empty());
}

TEST_F(DeviceMacroEditingTest, AMouseThatRefusesTheBlockIsToldInTheResult) {
  store({});
  start();
  mouse.refuseOneFrameAfter(2);
  EXPECT_EQ(editing.addToMouse(libraryMacro("Jump", {0x00})), DeviceMacroChange::Written);
  EXPECT_FALSE(editing.lastWrite.ok());
  EXPECT_FALSE(host.progressVisible);
}

TEST_F(DeviceMacroEditingTest, AGunPresetFileFillsBothTablesAndGoesTo0x130) {
  store({});
  start();
  const auto before = link.image.committedGunTable;
  const Bytes file(30, 0x5A);  // short: the first 30 of 168 bytes
  EXPECT_EQ(editing.writeGunPresetFile(file), DeviceMacroChange::Written);
  EXPECT_EQ(hexRange(link.image.workingGunTable, 0, 30), hexRange(file, 0, 30));
  EXPECT_EQ(hexBytes(link.image.committedGunTable), hexBytes(link.image.workingGunTable));
  EXPECT_EQ(hexRange(link.image.committedGunTable, 30, 138), hexRange(before, 30, 138));
  EXPECT_EQ(blockWrites(), std::vector<std::string>{"01 30 00 A8"});
  EXPECT_EQ(hexRange(mouse.storedBlock(), 0x130, 30), hexRange(file, 0, 30));
}

}  // namespace
}  // namespace mousecfg::test
