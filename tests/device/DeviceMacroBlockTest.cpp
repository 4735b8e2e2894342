#include "device/DeviceMacroBlock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace mousecfg {
namespace {

using Bytes = std::vector<uint8_t>;
using Name = std::array<uint8_t, macro_block::kNameLength>;

std::string hex(std::span<const uint8_t> bytes) {
  std::string text;
  for (uint8_t b : bytes) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X ", b);
    text += digits;
  }
  if (!text.empty()) text.pop_back();
  return text;
}

Name nameBytes(const std::u16string& name) {
  Name bytes{};
  for (size_t i = 0; i < name.size() && i < 8; ++i) {
    bytes[2 * i] = static_cast<uint8_t>(name[i] >> 8);
    bytes[2 * i + 1] = static_cast<uint8_t>(name[i] & 0xFF);
  }
  return bytes;
}

// A well-formed event body of exactly `length` bytes, end byte included. The delay's
// operand holds a 0x00 byte so that parsing must follow the event lengths.
Bytes bodyOfLength(size_t length) {
  Bytes body;
  if (length >= 4) body = {0xFE, 0x00, 0x32};
  while (body.size() + 1 < length) body.push_back(0xA1);
  body.push_back(0x00);
  return body;
}

Bytes record(const std::u16string& name, const Bytes& body) {
  const Name n = nameBytes(name);
  Bytes bytes(n.size() + body.size());
  std::copy(n.begin(), n.end(), bytes.begin());
  std::copy(body.begin(), body.end(), bytes.begin() + static_cast<std::ptrdiff_t>(n.size()));
  return bytes;
}

Bytes recordOfLength(const std::u16string& name, size_t length) {
  return record(name, bodyOfLength(length - macro_block::kNameLength));
}

// Places records back to back from block offset 0; the rest stays as `fill`.
DeviceMacroBlock parsedBlock(const std::vector<Bytes>& records, uint8_t fill = 0x00) {
  DeviceMacroBlock macros;
  macros.block().fill(fill);
  size_t position = 0;
  for (const Bytes& r : records) {
    std::copy(r.begin(), r.end(), macros.block().begin() + position);
    position += r.size();
  }
  macros.ReadAndRefreshMacroBlock();
  return macros;
}

// Fills block offsets 512..655 (owned by others) with a recognisable pattern.
void fillTail(MacroBlockBuffer& block) {
  for (size_t i = macro_block::kRecordAreaLength; i < block.size(); ++i)
    block[i] = static_cast<uint8_t>(i * 7 + 3);
}

std::string tailHex(const MacroBlockBuffer& block) {
  return hex(std::span(block).subspan(macro_block::kRecordAreaLength));
}

TEST(DeviceMacroBlockParse, ErasedBlockGivesAnEmptyList) {
  const DeviceMacroBlock macros = parsedBlock({}, 0xFF);
  EXPECT_TRUE(macros.names().empty());
  EXPECT_EQ(macros.macroCount(), 0u);
  EXPECT_EQ(macros.totalLength(), 0u);
  EXPECT_EQ(macros.slot(0).startAddress, 0x200);
}

TEST(DeviceMacroBlockParse, ZeroBlockGivesAnEmptyList) {
  const DeviceMacroBlock macros = parsedBlock({}, 0x00);
  EXPECT_TRUE(macros.names().empty());
  EXPECT_EQ(macros.totalLength(), 0u);
}

TEST(DeviceMacroBlockParse, EitherErasedByteEndsTheList) {
  Bytes secondErased = recordOfLength(u"B", 20);
  secondErased[1] = 0xFF;  // name unit 0x42FF: the second byte reads as erased memory
  EXPECT_EQ(parsedBlock({recordOfLength(u"A", 20), secondErased}).macroCount(), 1u);

  Bytes firstErased = recordOfLength(u"B", 20);
  firstErased[0] = 0xFF;
  EXPECT_EQ(parsedBlock({recordOfLength(u"A", 20), firstErased}).macroCount(), 1u);
}

TEST(DeviceMacroBlockParse, EmptyMacroOccupiesSeventeenBytes) {
  const DeviceMacroBlock macros = parsedBlock({record(u"E", {0x00}), recordOfLength(u"N", 30)});
  ASSERT_EQ(macros.macroCount(), 2u);
  EXPECT_EQ(macros.slot(0).length, 17);
  EXPECT_EQ(macros.slot(1).startAddress, 0x211);
  EXPECT_EQ(macros.totalLength(), 47u);
}

TEST(DeviceMacroBlockParse, StartAddressesFollowTheRecordLengths) {
  const DeviceMacroBlock macros = parsedBlock(
      {recordOfLength(u"One", 40), recordOfLength(u"Two", 17), recordOfLength(u"Three", 100)});
  ASSERT_EQ(macros.macroCount(), 3u);
  EXPECT_EQ(macros.slot(0).startAddress, 0x200);
  EXPECT_EQ(macros.slot(1).startAddress, 0x228);
  EXPECT_EQ(macros.slot(2).startAddress, 0x239);
  EXPECT_EQ(macros.slot(0).length, 40);
  EXPECT_EQ(macros.slot(1).length, 17);
  EXPECT_EQ(macros.slot(2).length, 100);
  EXPECT_EQ(macros.totalLength(), 157u);
  EXPECT_FALSE(macros.slot(3).used());
  EXPECT_EQ(macros.slot(3).startAddress, 0);
}

TEST(DeviceMacroBlockParse, SlotHoldsNameAndEventsZeroPadded) {
  const Bytes body = {0xFD, 0x80, 0x82, 0x04, 0xFE, 0x00, 0x0A, 0x02, 0x04, 0xFC, 0x00};
  // The next record's bytes must not leak into the slot's event buffer.
  const DeviceMacroBlock macros = parsedBlock({record(u"Key", body), recordOfLength(u"Next", 60)});
  ASSERT_EQ(macros.macroCount(), 2u);
  const MacroSlot& slot = macros.slot(0);
  EXPECT_EQ(hex(slot.name), hex(nameBytes(u"Key")));
  EXPECT_EQ(hex(std::span(slot.events).first(body.size())), hex(body));
  EXPECT_EQ(hex(std::span(slot.events).subspan(body.size())), hex(Bytes(256 - body.size(), 0)));
  EXPECT_EQ(slot.length, 16 + body.size());
}

TEST(DeviceMacroBlockParse, UnknownEventCodeEndsTheList) {
  Bytes bad = record(u"Bad", {0x82, 0x04, 0x55, 0x00});
  EXPECT_EQ(parsedBlock({recordOfLength(u"Good", 20), bad}).names(),
            std::vector<std::string>{"Good"});
  EXPECT_TRUE(parsedBlock({bad, recordOfLength(u"Good", 20)}).names().empty());
}

TEST(DeviceMacroBlockParse, RecordWithoutEndByteIsNotTakenAsSixteenBytes) {
  // Events of 260 left-button presses, then the end byte. Read as a 16-byte record,
  // the presses would form a second record whose end byte is within reach.
  Bytes runaway = record(u"Run", Bytes(260, 0xA1));
  runaway.push_back(0x00);
  const DeviceMacroBlock macros = parsedBlock({recordOfLength(u"Good", 20), runaway});
  EXPECT_EQ(macros.names(), std::vector<std::string>{"Good"});
  EXPECT_EQ(macros.totalLength(), 20u);
}

TEST(DeviceMacroBlockParse, RecordWhoseEventsRunPastTheAreaIsIgnored) {
  // 464 bytes of records, then a record whose events fill 480..511 with presses; the
  // first 0x00 after them lies at block offset 512, outside the record area.
  DeviceMacroBlock macros;
  fillTail(macros.block());
  macros.block()[512] = 0x00;
  const std::vector<Bytes> records = {recordOfLength(u"A", 272), recordOfLength(u"B", 192),
                                      record(u"Over", Bytes(32, 0xA1))};
  size_t position = 0;
  for (const Bytes& r : records) {
    std::copy(r.begin(), r.end(), macros.block().begin() + position);
    position += r.size();
  }
  ASSERT_EQ(position, 512u);
  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(macros.names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(macros.totalLength(), 464u);
}

TEST(DeviceMacroBlockParse, NameThatDoesNotFitTheAreaEndsTheList) {
  DeviceMacroBlock macros;
  macros.block().fill(0x00);
  const Bytes a = recordOfLength(u"A", 272);
  const Bytes b = recordOfLength(u"B", 228);
  std::copy(a.begin(), a.end(), macros.block().begin());
  std::copy(b.begin(), b.end(), macros.block().begin() + 272);
  // A name starting at 500 would end at 515; the bytes from 512 on hold a valid body.
  macros.block()[500] = 0x00;
  macros.block()[501] = 'Z';
  macros.block()[516] = 0x00;
  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(macros.names(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(macros.totalLength(), 500u);
}

TEST(DeviceMacroBlockParse, RecordsFillingTheAreaExactlyAreAccepted) {
  const DeviceMacroBlock macros =
      parsedBlock({recordOfLength(u"A", 272), recordOfLength(u"B", 240)}, 0xFF);
  EXPECT_EQ(macros.macroCount(), 2u);
  EXPECT_EQ(macros.totalLength(), 512u);
  EXPECT_EQ(macros.slot(1).startAddress, 0x200 + 272);
}

TEST(DeviceMacroBlockParse, SixteenthRecordIsIgnored) {
  std::vector<Bytes> records;
  for (char16_t i = 0; i < 16; ++i) records.push_back(record(std::u16string(1, u'a' + i), {0x00}));
  const DeviceMacroBlock macros = parsedBlock(records);
  const std::vector<std::string> names = macros.names();
  ASSERT_EQ(names.size(), 15u);
  EXPECT_EQ(names.front(), "a");
  EXPECT_EQ(names.back(), "o");
  EXPECT_EQ(macros.totalLength(), 15u * 17u);
  EXPECT_EQ(macros.slot(14).startAddress, 0x200 + 14 * 17);
}

TEST(DeviceMacroBlockParse, NamesAreDecodedFromUtf16BigEndian) {
  const DeviceMacroBlock macros =
      parsedBlock({recordOfLength(u"Macro 01", 20), recordOfLength(u"宏é", 20)});
  EXPECT_EQ(macros.names(), (std::vector<std::string>{"Macro 01", "宏é"}));
}

TEST(DeviceMacroBlockParse, ReparseForgetsEarlierSlots) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"A", 20), recordOfLength(u"B", 20)});
  macros.block().fill(0xFF);
  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(macros.macroCount(), 0u);
  EXPECT_EQ(macros.totalLength(), 0u);
  EXPECT_EQ(macros.slot(1).startAddress, 0);
  EXPECT_EQ(macros.slot(1).length, 0);
  EXPECT_EQ(hex(macros.slot(1).name), hex(Name{}));
}

TEST(DeviceMacroBlockButton, EntryCarriesTheStartAddress) {
  const DeviceMacroBlock macros = parsedBlock(
      {recordOfLength(u"One", 40), recordOfLength(u"Two", 17), recordOfLength(u"Three", 100)});
  EXPECT_EQ(hex(*macros.buttonEntry(0)), "10 02 00 00");
  EXPECT_EQ(hex(*macros.buttonEntry(2)), "10 02 39 00");
  EXPECT_EQ(macros.buttonEntry(3), std::nullopt);
  EXPECT_EQ(macros.buttonEntry(15), std::nullopt);
  EXPECT_EQ(hex(macroButtonEntry(0x03EF)), "10 03 EF 00");
}

TEST(DeviceMacroBlockPack, ClearingSlotZeroMovesTheNextRecordToTheStart) {
  const Bytes first = recordOfLength(u"First", 40);
  const Bytes second = recordOfLength(u"Second", 25);
  DeviceMacroBlock macros;
  fillTail(macros.block());
  std::copy(first.begin(), first.end(), macros.block().begin());
  std::copy(second.begin(), second.end(), macros.block().begin() + first.size());
  macros.ReadAndRefreshMacroBlock();
  const std::string tailBefore = tailHex(macros.block());

  macros.clearSlot(0);
  ASSERT_TRUE(macros.PackMacroBlock());
  EXPECT_EQ(macros.totalLength(), 25u);
  EXPECT_EQ(macros.slot(1).startAddress, 0x200);
  EXPECT_EQ(macros.slot(0).startAddress, 0x200);

  const auto area = std::span(macros.block()).first(512);
  EXPECT_EQ(hex(area.first(second.size())), hex(second));
  EXPECT_EQ(hex(area.subspan(second.size())), hex(Bytes(512 - second.size(), 0)));
  EXPECT_EQ(tailHex(macros.block()), tailBefore);

  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(macros.names(), std::vector<std::string>{"Second"});
  EXPECT_EQ(hex(*macros.buttonEntry(0)), "10 02 00 00");
}

TEST(DeviceMacroBlockPack, UnchangedListPacksToTheSameArea) {
  DeviceMacroBlock macros = parsedBlock(
      {recordOfLength(u"One", 40), record(u"Two", {0x00}), recordOfLength(u"Three", 100)});
  const MacroBlockBuffer before = macros.block();
  ASSERT_TRUE(macros.PackMacroBlock());
  EXPECT_EQ(hex(macros.block()), hex(before));
}

TEST(DeviceMacroBlockPack, GarbageAfterTheListIsZeroed) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"One", 20)}, 0xFF);
  ASSERT_TRUE(macros.PackMacroBlock());
  EXPECT_EQ(hex(std::span(macros.block()).subspan(20, 492)), hex(Bytes(492, 0)));
  EXPECT_EQ(hex(std::span(macros.block()).subspan(512)), hex(Bytes(144, 0xFF)));
}

TEST(DeviceMacroBlockPack, AddedSlotIsAppendedWithItsStartAddress) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"One", 40)});
  Bytes library(256, 0x00);
  const Bytes body = {0x81, 0x01, 0x82, 0x06, 0x02, 0x06, 0x01, 0x01, 0x00};
  std::copy(body.begin(), body.end(), library.begin());
  library[200] = 0x99;  // beyond the end byte: not part of the macro
  ASSERT_TRUE(macros.setSlot(1, nameBytes(u"Copy"), library));
  EXPECT_EQ(hex(std::span(macros.slot(1).events).subspan(body.size())),
            hex(Bytes(256 - body.size(), 0)));
  macros.CheckMacroBlockLength();
  EXPECT_EQ(macros.totalLength(), 40u + 16u + body.size());

  ASSERT_TRUE(macros.PackMacroBlock());
  macros.ReadAndRefreshMacroBlock();
  EXPECT_EQ(macros.names(), (std::vector<std::string>{"One", "Copy"}));
  EXPECT_EQ(macros.slot(1).startAddress, 0x228);
  EXPECT_EQ(hex(std::span(macros.block()).subspan(40, 16 + body.size())),
            hex(record(u"Copy", body)));
  EXPECT_EQ(macros.block()[40 + 16 + body.size()], 0x00);
}

TEST(DeviceMacroBlockPack, OverfullListIsRefusedAndTheBlockKept) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"A", 272)});
  const MacroBlockBuffer before = macros.block();
  Bytes body = bodyOfLength(225);  // record of 241 bytes: 513 in total
  ASSERT_TRUE(macros.setSlot(1, nameBytes(u"B"), body));
  EXPECT_FALSE(macros.PackMacroBlock());
  EXPECT_EQ(macros.totalLength(), 513u);
  EXPECT_EQ(hex(macros.block()), hex(before));

  ASSERT_TRUE(macros.setSlot(1, nameBytes(u"B"), bodyOfLength(224)));
  EXPECT_TRUE(macros.PackMacroBlock());
  EXPECT_EQ(macros.totalLength(), 512u);
}

TEST(DeviceMacroBlockSlots, SetSlotRejectsBodiesWithoutAValidEnd) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"One", 40)});
  EXPECT_FALSE(macros.setSlot(1, nameBytes(u"X"), Bytes(256, 0xA1)));
  EXPECT_FALSE(macros.setSlot(1, nameBytes(u"X"), Bytes{0x82, 0x04, 0x55, 0x00}));
  Bytes lateEnd(300, 0xA1);
  lateEnd[280] = 0x00;  // the end byte lies beyond the 256-byte limit
  EXPECT_FALSE(macros.setSlot(1, nameBytes(u"X"), lateEnd));
  EXPECT_FALSE(macros.setSlot(15, nameBytes(u"X"), Bytes{0x00}));
  EXPECT_FALSE(macros.slot(1).used());
  EXPECT_EQ(macros.slot(0).length, 40);
}

TEST(DeviceMacroBlockSlots, ClearSlotKeepsOnlySlotZerosStartAddress) {
  DeviceMacroBlock macros = parsedBlock({recordOfLength(u"A", 20), recordOfLength(u"B", 20)});
  macros.clearSlot(0);
  macros.clearSlot(1);
  EXPECT_EQ(macros.slot(0).startAddress, 0x200);
  EXPECT_EQ(macros.slot(1).startAddress, 0);
  EXPECT_EQ(macros.macroCount(), 0u);
  macros.CheckMacroBlockLength();
  EXPECT_EQ(macros.totalLength(), 0u);
}

TEST(DeviceMacroBlockImage, BlockIsCopiedFromAndToItsImageRange) {
  std::array<uint8_t, image::kImageLength> image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 13);
  DeviceMacroBlock macros;
  macros.loadFromImage(image);
  EXPECT_EQ(hex(macros.block()), hex(std::span(image).subspan(496, 656)));

  std::array<uint8_t, image::kImageLength> target{};
  macros.storeIntoImage(target);
  EXPECT_EQ(hex(std::span(target).subspan(496, 656)), hex(macros.block()));
  EXPECT_EQ(hex(std::span(target).first(496)), hex(Bytes(496, 0)));
  EXPECT_EQ(hex(std::span(target).subspan(1152)), hex(Bytes(896, 0)));
}

}  // namespace
}  // namespace mousecfg
