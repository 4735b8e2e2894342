#include "DefaultImage.h"

#include <initializer_list>
#include <string_view>

#include "device/ImageMap.h"
#include "device/MacroEvent.h"

// The built-in default configuration image, written out field by field. The image
// starts as 2048 zero bytes; every field that holds something else is set below, and
// the zero fields that mean something are set explicitly so the whole layout can be
// read here. Where nothing else fixes a byte, its comment says why it has the value
// it has.

namespace mousecfg {

namespace {

using namespace image;
using namespace macro;
using Image = std::array<uint8_t, kImageLength>;

struct ImageWriter {
  Image bytes{};

  constexpr void put(size_t offset, std::initializer_list<uint8_t> values) {
    for (uint8_t value : values) bytes[offset++] = value;
  }
  constexpr void putBigEndian(size_t offset, uint16_t value) {
    put(offset, {uint8_t(value >> 8), uint8_t(value)});
  }
  constexpr void fill(size_t offset, size_t length, uint8_t value) {
    for (size_t i = 0; i < length; ++i) bytes[offset + i] = value;
  }
  // Colour n (1-based) of the table at `table`, given as 0xRRGGBB, stored R, G, B.
  constexpr void putColour(size_t table, size_t n, uint32_t rgb) {
    put(table + (n - 1) * kColourLength, {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)});
  }
  // Button entry k (1-based) of the 4-byte entry table at `table`.
  constexpr void putEntry(size_t table, size_t k, std::initializer_list<uint8_t> entry) {
    put(table + (k - 1) * kEntryLength, entry);
  }
  // Text in single-byte characters, the rest of the field zero.
  constexpr void putText(size_t offset, size_t length, std::string_view text) {
    fill(offset, length, 0);
    for (size_t i = 0; i < text.size() && i < length; ++i) bytes[offset + i] = uint8_t(text[i]);
  }
};

// ---- Vendor section (0..163) ----

constexpr void writeVendorIdentity(ImageWriter& w) {
  w.putBigEndian(kUsbVendorIdOffset, kDefaultVendorId);
  w.putBigEndian(kUsbProductIdOffset, kDefaultProductId);
  w.putText(kProductStringOffset, kProductStringLength, "USB Gaming Mouse");
}

constexpr void writeOptionRegisters(ImageWriter& w) {
  // Option 0: IC type "3706" (bits 7..6 = 3), 1000 Hz (bits 5..4 = 3), sensor enhance on.
  w.put(kOptionRegister0, {0xFF});
  w.put(kOptionRegistersOffset,
        {0x0F,    // option 4: "A-Tech LED", CPI set "800,1200,1600,2400", CPI level "2nd"
         0x7F,    // option 5: 180 degrees, pre-scale 1.00x, fire key 5 Hz, "2 times"
         0x7F,    // option 6: LED ctrl0 open drain, ctrl1 low active, "4/2(28s Sync LED)",
                  //           combo key 3 s, CDR1, sensor sleep off, Usb Msc open drain
         0xAF});  // option 7: EFT-rely NAK, EFT-relug, keep profile info, profile LED flash on
}

constexpr void writeSensorRegisters(ImageWriter& w) {
  w.put(kSensorRegistersOffset,
        {0x0F, 0xFF, 0x04, 0x21,  // Smth_Misc, Avg_Diff_Thr_AE, Rpt_Thr, Squal_Avg_downscale
         0x10, 0x0A, 0x08, 0x10,  // SrchRgDlt_Thr, Frame_Period, MiscBitCfg, HSqDcrDiv_LSqDcrDiv
         0x45, 0x02, 0x98, 0x10,  // LfBpsShlThr, LfHfsqThr, CrpThrGain1Sql, CrpThrGain1Sqh
         0xFF, 0x10, 0xEF, 0x10,  // CrpThrGain2Sql/Sqh, CrpThrGain4Sql/Sqh
         0xFF, 0x02, 0x60, 0x31,  // CrpThrGain8Sqx, LiftLandThrWeight, CrpCntThr_.., HsqCorBit_..
         0x01, 0x32, 0x48, 0x96,  // LftCorBitAvgThr, SubpixCorBit_MaxGain, MaxShut, LandCntThr
         0xFA, 0x10, 0x1E, 0x02,  // LiftCntThr, CorBitHfsqThr, illumXledAvgThr, BpHfsqThr
         0x31, 0x20, 0x13});      // HgLsqCorBit_LgLsqCorBit, HgLsqThr, SrchRgDlt_G8CorBit
}

constexpr void writeLedParameters(ImageWriter& w) {
  w.put(kLedInitOffset, {0x00, 0x46});  // "LED Init0", "LED Init1"
  w.put(kBreathingModeOffset, {0xFE});
  w.put(kBreathingOffset, {0x00, 0x00,  // lower bound 0
                           0x00, 0xFF,  // upper bound 255
                           0x00, 0x64,  // time at the lower bound 100
                           0x00, 0x64,  // time at the upper bound 100
                           0x09});      // step time 9
}

constexpr void writeDpiLevels(ImageWriter& w) {
  w.put(kDpiLevelCountOffset, {5});  // six levels
  // Steps 3, 6 | 8, 10 | 11, 14 | 0, 0: 800, 1600, 2400, 4800, 6400, 12000.
  w.put(kDpiStepTableOffset, {0x63, 0xA8, 0xEB, 0x00});
  w.putColour(kDpiColourOffset, 1, 0xFF0000);  // red
  w.putColour(kDpiColourOffset, 2, 0x00FF00);  // green
  w.putColour(kDpiColourOffset, 3, 0x0000FF);  // blue
  w.putColour(kDpiColourOffset, 4, 0xFFFF00);  // yellow
  w.putColour(kDpiColourOffset, 5, 0x00FFFF);  // cyan
  w.putColour(kDpiColourOffset, 6, 0xFF00FF);  // magenta
  w.putColour(kDpiColourOffset, 7, 0xFF7F00);  // orange
  w.putColour(kDpiColourOffset, 8, 0x7F7F7F);  // grey
}

// Slots 1..7 are also the gun colours.
constexpr void writeColourTable(ImageWriter& w) {
  w.putColour(kColourTableOffset, 1, 0x00FF00);   // green
  w.putColour(kColourTableOffset, 2, 0xFF0000);   // red
  w.putColour(kColourTableOffset, 3, 0x0000FF);   // blue
  w.putColour(kColourTableOffset, 4, 0x00FFFF);   // cyan
  w.putColour(kColourTableOffset, 5, 0xFFFF00);   // yellow
  w.putColour(kColourTableOffset, 6, 0xFF8000);   // orange
  w.putColour(kColourTableOffset, 7, 0xFF00FF);   // magenta
  w.putColour(kColourTableOffset, 8, 0xFF0080);   // pink
  w.putColour(kColourTableOffset, 9, 0x7F00FF);   // violet
  w.putColour(kColourTableOffset, 10, 0xFFFFFF);  // white
}

constexpr void writeComboKeys(ImageWriter& w) {
  w.fill(kComboKeysOffset, kComboKeyCount * kEntryLength, 0);
  w.putEntry(kComboKeysOffset, 2, {0x0E, 0x00, 0x00, 0x00});  // LED mode cycle
  w.putEntry(kComboKeysOffset, 3, {0x07, 0x80, 0x00, 0x18});  // Office Mode
}

constexpr uint8_t kVendorChecksum = 0xC6;

constexpr void writeVendorSection(ImageWriter& w) {
  writeVendorIdentity(w);
  writeOptionRegisters(w);
  writeSensorRegisters(w);
  writeLedParameters(w);
  writeDpiLevels(w);
  writeColourTable(w);
  writeComboKeys(w);
  w.put(kVendorOffset + kVendorLength - 1, {kVendorChecksum});
}

// ---- User section (164..191) ----

constexpr uint8_t kUserChecksum = 0xD8;

constexpr void writeUserSection(ImageWriter& w) {
  // Not fixed elsewhere beyond "profile 1 active" in the low nibble; the high nibble
  // (button mode and profile colour) is chosen 0, which the checksum 0xD8 requires.
  w.put(kUserOffset + kUserActiveProfile, {0x00});
  w.put(kUserOffset + kUserLedEffect, {0x81});
  w.put(kUserOffset + kUserActiveDpiLevel, {0x01});  // level 2 active
  // Button effect switch and bytes 4..6 are not fixed elsewhere; chosen 0 (off), which
  // the checksum 0xD8 requires once the fields above are set.
  w.put(kUserOffset + kUserButtonEffect, {0x00, 0x00, 0x00, 0x00});
  // X and Y offsets of the seven guns are 0; those of fire macros 8..10 are not fixed
  // elsewhere and chosen 0 as well.
  w.fill(kUserOffset + kUserXOffsets, kUserFireMacroCount, 0);
  w.fill(kUserOffset + kUserYOffsets, kUserFireMacroCount, 0);
  w.put(kUserOffset + kUserLength - 1, {kUserChecksum});
}

// ---- Profile key tables (192..240, 241..289), both alike ----

constexpr uint8_t kProfileChecksum = 0x7B;

constexpr void writeProfileTable(ImageWriter& w, size_t table) {
  w.putEntry(table, 1, {0x01, 0x01, 0x00, 0x00});   // Left Key
  w.putEntry(table, 2, {0x01, 0x08, 0x00, 0x02});   // Backward
  w.putEntry(table, 3, {0x06, 0x92, 0x00, 0x1E});   // Fire Key1: count 3, 30 ms, continuous
  w.putEntry(table, 4, {0x01, 0x02, 0x00, 0x00});   // Right Key
  w.putEntry(table, 5, {0x01, 0x10, 0x00, 0x00});   // Forward
  w.putEntry(table, 6, {0x09, 0x01, 0x00, 0x00});   // DPI +
  w.putEntry(table, 7, {0x01, 0x04, 0x00, 0x00});   // Middle Key
  w.putEntry(table, 8, {0x09, 0x00, 0x00, 0x00});   // DPI Loop
  w.putEntry(table, 9, {0x09, 0x02, 0x00, 0x00});   // DPI -
  w.putEntry(table, 10, {0x0E, 0x00, 0x00, 0x00});  // LED Mode
  w.putEntry(table, 11, {0x08, 0x00, 0x00, 0x00});  // LED ON/OFF
  w.putEntry(table, 12, {0x02, 0x08, 0x07, 0x00});  // Win + D, "Desktop"
  w.put(table + kProfileLength - 1, {kProfileChecksum});
}

// ---- Fire-key block (290..301) and the two bytes after it ----

constexpr void writeFireKeyBlock(ImageWriter& w) {
  // Manufacturer and product code: not fixed elsewhere; chosen 255, 255 (generic), the
  // id pair the identity record expects, so a mouse holding this image is accepted.
  w.put(kFireKeyOffset + kFireKeyManufacturer, {kDefaultManufacturerCode});
  w.put(kFireKeyOffset + kFireKeyProduct, {kDefaultProductCode});
  constexpr size_t kKeys = kFireKeyOffset + kFireKeyParamsOffset;
  w.put(kKeys + 0 * kFireKeyParamsLength, {0x02, 0x00, 0x1E});  // key 1: count 3, 30 ms
  w.put(kKeys + 1 * kFireKeyParamsLength, {0x04, 0x00, 0x1E});  // key 2: count 5, 30 ms
  w.put(kKeys + 2 * kFireKeyParamsLength, {0x07, 0x00, 0x1E});  // key 3: count 8, 30 ms
  // Not used by the fire keys; chosen as the memory-type byte (I2C) that the fire-key
  // block builder writes there.
  w.put(kFireKeyOffset + kFireKeyMemoryType, {kMemoryI2c});
  w.put(kFireKeyTrailerOffset, {0x05, 0x00});
}

// ---- Gun presets (304..471) ----

constexpr size_t gunRecord(size_t gun) {
  return kGunTableOffset + (gun - 1) * kGunRecordLength;
}

// Writes a gun record one event at a time; the rest of the record stays zero.
struct EventWriter {
  ImageWriter& w;
  size_t at;
  constexpr void operator()(std::initializer_list<uint8_t> event) {
    w.put(at, event);
    at += event.size();
  }
};

// Press left, wait 6 ms, repeat { move down by `pull`, wait `stepDelay` ms }, release
// left, wait 6 ms.
constexpr void writePressAndPullRecord(ImageWriter& w, size_t gun, uint8_t pull,
                                       uint8_t stepDelay) {
  EventWriter event{w, gunRecord(gun)};
  event({kLeftPress});
  event({kDelay, 0x00, 0x06});
  event({kRepeatStart, 0x00});
  event({kMove, 0x00, pull});
  event({kDelay, 0x00, stepDelay});
  event({kRepeatEnd});
  event({kLeftRelease});
  event({kDelay, 0x00, 0x06});
}

// Repeat { press left, wait 24 ms, move down 12, wait 1 ms, release, wait 24 ms }.
constexpr void writeTapAndPullRecord(ImageWriter& w, size_t gun) {
  EventWriter event{w, gunRecord(gun)};
  event({kRepeatStart, 0x00});
  event({kLeftPress});
  event({kDelay, 0x00, 0x18});
  event({kMove, 0x00, 0x0C});
  event({kDelay, 0x00, 0x01});
  event({kLeftRelease});
  event({kDelay, 0x00, 0x18});
  event({kRepeatEnd});
}

// In guns 3 and 6 the changed delay is the one inside the repeated block, after the
// move: that is the delay the gun page shows as the fire delay.
constexpr void writeGunPresets(ImageWriter& w) {
  writePressAndPullRecord(w, 1, 0x07, 0x14);  // AKM
  writeTapAndPullRecord(w, 2);                // M16
  writePressAndPullRecord(w, 3, 0x05, 0x10);  // M4
  writePressAndPullRecord(w, 4, 0x05, 0x14);  // UMP9
  writePressAndPullRecord(w, 5, 0x06, 0x14);  // SCAR-L
  writePressAndPullRecord(w, 6, 0x0A, 0x10);  // TOMPSON
  writePressAndPullRecord(w, 7, 0x10, 0x14);  // UZI
}

// ---- Bytes after the gun table and the identity record (472..495) ----

constexpr void writeIdentityRecord(ImageWriter& w) {
  w.put(kGunTrailerOffset,
        {0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  w.put(kExpectedManufacturerOffset, {kDefaultManufacturerCode});
  w.put(kExpectedProductOffset, {kDefaultProductCode});
  w.put(kExpectedProductOffset + 1, {0x02, 0x00, 0x32, 0x04, 0x00, 0x32, 0x07, 0x00, 0x32});
  w.put(kMemoryTypeOffset, {kDefaultMemoryType});
}

// ---- Macro block (496..1151), patch record (1008..1023), patch code (1024..2047) ----

constexpr void writeMacroBlockAndPatch(ImageWriter& w) {
  // No device macros: the record area starts with two zero bytes, the end of the list.
  w.fill(kMacroBlockOffset, kPatchRecordOffset - kMacroBlockOffset, 0);
  // No patch: the first bytes of the patch record, the patch check value and the whole
  // patch code area are not fixed elsewhere and chosen 0.
  w.fill(kPatchRecordOffset, kFlowingLedOffset - kPatchRecordOffset, 0);
  // Flowing LED: speed step 2; full brightness, 13 LEDs; five zero bytes; checksum.
  w.put(kFlowingLedOffset, {0x02, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD8});
  w.fill(kPatchCodeOffset, kPatchCodeLength, 0);
}

constexpr Image makeDefaultImage() {
  ImageWriter w;
  writeVendorSection(w);
  writeUserSection(w);
  writeProfileTable(w, kProfile1Offset);
  writeProfileTable(w, kProfile2Offset);
  writeFireKeyBlock(w);
  writeGunPresets(w);
  writeIdentityRecord(w);
  writeMacroBlockAndPatch(w);
  return w.bytes;
}

constexpr Image kDefaultImage = makeDefaultImage();

// The stored checksums above must be what the data gives.
constexpr uint8_t checksumOver(size_t offset, size_t length) {
  uint8_t sum = 0;
  for (size_t i = 0; i + 1 < length; ++i) sum = uint8_t(sum + kDefaultImage[offset + i]);
  return sum ^ kChecksumXor;
}
static_assert(checksumOver(kVendorOffset, kVendorLength) == kVendorChecksum);
static_assert(checksumOver(kUserOffset, kUserLength) == kUserChecksum);
static_assert(checksumOver(kProfile1Offset, kProfileLength) == kProfileChecksum);
static_assert(checksumOver(kProfile2Offset, kProfileLength) == kProfileChecksum);
static_assert(checksumOver(kFlowingLedOffset, kFlowingLedLength) ==
              kDefaultImage[kFlowingLedOffset + kFlowingLedLength - 1]);

}  // namespace

const std::array<uint8_t, 2048>& builtInDefaultImage() {
  return kDefaultImage;
}

}  // namespace mousecfg
