#include "engineer/OptionRegisters.h"

#include "device/ImageMap.h"

namespace mousecfg {

namespace {

using enum OptionRegister;

constexpr size_t kOption0 = image::kOptionRegister0;
constexpr size_t kOption4 = image::kOptionRegistersOffset;
constexpr size_t kOption5 = kOption4 + 1;
constexpr size_t kOption6 = kOption4 + 2;
constexpr size_t kOption7 = kOption4 + 3;

constexpr OptionItem kICType[] = {{"3704", 0}, {"3709", 1}, {"3701", 2}, {"3706", 3}};
constexpr OptionItem kRepRate[] = {{"125Hz", 0}, {"250Hz", 1}, {"500Hz", 2}, {"1000Hz", 3}};
constexpr OptionItem kDisableEnable[] = {{"Disable", 0}, {"Enable", 1}};
constexpr OptionItem kEnableDisable[] = {{"Enable", 0}, {"Disable", 1}};
constexpr OptionItem kPackage[] = {{"A-Tech LED", 0}, {"Single LED", 2}, {"RGB LED", 3}};
constexpr OptionItem kCPIIndication[] = {{"No Indication", 1}, {"Fade ", 2}, {"Flash", 3}};
constexpr OptionItem kCPISet[] = {{"800,1200,1600,2400", 3},
                                  {"600,1200,2400,4800", 2},
                                  {"1000,2400,3200,6000", 1},
                                  {"400,800,1600,2400", 0}};
constexpr OptionItem kCPILevel[] = {{"1st", 0}, {"4th", 1}, {"3rd", 2}, {"2nd", 3}};
constexpr OptionItem kSensorRotation[] = {{"270°", 0}, {"180°", 1}, {"90°", 2}, {"0°", 3}};
constexpr OptionItem kCPIPrescaleSel[] = {{"1.00x", 3}, {"1.12x", 1}, {"1.25x", 2}, {"1.33x", 0}};
constexpr OptionItem kFireKeyFreq[] = {{"Random", 0}, {"3Hz", 1}, {"4Hz", 2}, {"5Hz", 3}};
constexpr OptionItem kFireKeyCount[] = {
    {"Continue", 0}, {"4 times", 1}, {"3 times", 2}, {"2 times", 3}};
constexpr OptionItem kLEDCtrl0[] = {{"open drain", 0}, {"drive high", 1}};
constexpr OptionItem kLEDCtrl1[] = {{"high active", 0}, {"low active", 1}};
constexpr OptionItem kLEDModeFuse[] = {
    {"1/F3(ZK LED)", 0}, {"2/F2(ZK LED)", 1}, {"5/F1(ZK LED)", 2}, {"4/2(28s Sync LED)", 3}};
constexpr OptionItem kComboKeyTime[] = {{"2s", 0}, {"3s", 1}};
constexpr OptionItem kUSBCDR[] = {{"CDR2", 0}, {"CDR1", 1}};
constexpr OptionItem kLEDPower[] = {{"drive high", 0}, {"open drain", 1}};

// The report rate and the sensor angle have no label of their own on the page.
constexpr OptionField kFields[] = {
    {ICType, "cb_ICType", "IC Type:", kOption0, 6, 2, kICType},
    {RepRate, "cb_RepRate", "", kOption0, 4, 2, kRepRate},
    {SensorEnhance, "cb_SensorEnhance", "Sensor enhance:", kOption0, 3, 1, kDisableEnable},
    {Package, "cb_Package", "LED Type:", kOption4, 6, 2, kPackage},
    {CPIIndication, "cb_CPIIndication", "CPI Indication:", kOption4, 4, 2, kCPIIndication},
    {CPISet, "cb_CPISet", "CPI Set:", kOption4, 2, 2, kCPISet},
    {CPILevel, "cb_CPILevel", "CPI Level:", kOption4, 0, 2, kCPILevel},
    {SensorRotation, "cb_SensorRotation", "", kOption5, 6, 2, kSensorRotation},
    {CPIPrescaleSel, "cb_CPIPrescaleSel", "CPI Pre-scale Sel:", kOption5, 4, 2, kCPIPrescaleSel},
    {FireKeyFreq, "cb_FireKeyFreq", "Fire Key  Freq:", kOption5, 2, 2, kFireKeyFreq},
    {FireKeyCount, "cb_FireKeyCount", "Frie Key Count:", kOption5, 0, 2, kFireKeyCount},
    {LEDCtrl0, "cb_LEDCtrl0", "LED ctrl0:", kOption6, 7, 1, kLEDCtrl0},
    {LEDCtrl1, "cb_LEDCtrl1", "LED ctrl1:", kOption6, 6, 1, kLEDCtrl1},
    {LEDModeFuse, "cb_LEDModeFuse", "LED Mode:", kOption6, 4, 2, kLEDModeFuse},
    {ComboKeyTime, "cb_ComboKeyTime", "Combo Key Time:", kOption6, 3, 1, kComboKeyTime},
    {USBCDR, "cb_USBCDR", "USB CDR Sel:", kOption6, 2, 1, kUSBCDR},
    {SensorSleep, "cb_SensorSleep", "Sensor Sleep:", kOption6, 1, 1, kEnableDisable},
    {LEDPower, "cb_LEDPower", "Usb Msc Mode:", kOption6, 0, 1, kLEDPower},
    {EFTrelyNAK, "cb_EFTrelyNAK", "EFT-rely NAK:", kOption7, 3, 1, kDisableEnable},
    {EFTrelug, "cb_EFTrelug", "EFT-relug:", kOption7, 2, 1, kDisableEnable},
    {KeepProfileInfo, "cb_KeepProfileInfo", "Keep profile Info:", kOption7, 1, 1, kDisableEnable},
    {ProfileLEDFlash, "cb_ProfileLEDFlash", "Profile LED Flash:", kOption7, 0, 1, kDisableEnable},
};
static_assert(std::size(kFields) == kOptionRegisterCount);
static_assert(
    [] {
      for (size_t i = 0; i < kOptionRegisterCount; ++i)
        if (kFields[i].option != static_cast<OptionRegister>(i)) return false;
      return true;
    }(),
    "the fields are listed in the order of OptionRegister");

}  // namespace

const std::array<OptionByteCaption, 5> kOptionByteCaptions{{
    {kOption0, "Option 0 (0x70E0)"},
    {kOption4, "Option 4 (0x70E4)"},
    {kOption5, "Option 5 (0x70E5)"},
    {kOption6, "Option 6 (0x70E6)"},
    {kOption7, "Option 7 (0x70E7)"},
}};

std::span<const OptionField> optionFields() {
  return kFields;
}

const OptionField& optionField(OptionRegister option) {
  return kFields[static_cast<size_t>(option)];
}

uint8_t optionMask(const OptionField& field) {
  return static_cast<uint8_t>(((1u << field.width) - 1u) << field.lowBit);
}

int optionItemOf(const OptionField& field, uint8_t registerByte) {
  const auto bits = static_cast<uint8_t>((registerByte & optionMask(field)) >> field.lowBit);
  for (size_t item = 0; item < field.items.size(); ++item)
    if (field.items[item].bits == bits) return static_cast<int>(item);
  return kNoOptionItem;
}

uint8_t withOptionItem(const OptionField& field, uint8_t registerByte, int item) {
  if (item < 0 || static_cast<size_t>(item) >= field.items.size()) return registerByte;
  const uint8_t mask = optionMask(field);
  const auto bits =
      static_cast<uint8_t>(field.items[static_cast<size_t>(item)].bits << field.lowBit);
  return static_cast<uint8_t>((registerByte & ~mask) | (bits & mask));
}

}  // namespace mousecfg
