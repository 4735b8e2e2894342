#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace mousecfg {

// The chip's option registers, vendor bytes 4..8: each engineer-page list sets one
// group of bits of one byte and leaves the other bits alone.
enum class OptionRegister {
  ICType,
  RepRate,
  SensorEnhance,
  Package,
  CPIIndication,
  CPISet,
  CPILevel,
  SensorRotation,
  CPIPrescaleSel,
  FireKeyFreq,
  FireKeyCount,
  LEDCtrl0,
  LEDCtrl1,
  LEDModeFuse,
  ComboKeyTime,
  USBCDR,
  SensorSleep,
  LEDPower,
  EFTrelyNAK,
  EFTrelug,
  KeepProfileInfo,
  ProfileLEDFlash,
};
inline constexpr size_t kOptionRegisterCount = 22;

// One list item: its text and the value its bits take.
struct OptionItem {
  std::string_view text;
  uint8_t bits;
};

// One list: its control name, the label beside it (empty where the page shows none),
// the byte, the lowest bit and the width of its bit group, and its items in list order.
struct OptionField {
  OptionRegister option;
  std::string_view control;
  std::string_view caption;
  size_t offset;
  int lowBit;
  int width;
  std::span<const OptionItem> items;
};

// The register byte captions, "Option 0 (0x70E0)" for byte 4 and so on.
struct OptionByteCaption {
  size_t offset;
  std::string_view caption;
};
extern const std::array<OptionByteCaption, 5> kOptionByteCaptions;

// Every list, in the order of OptionRegister.
std::span<const OptionField> optionFields();
const OptionField& optionField(OptionRegister option);

inline constexpr int kNoOptionItem = -1;

// The mask of the field's bits within its byte.
uint8_t optionMask(const OptionField& field);
// The item the list shows for a register byte; kNoOptionItem when its bits hold a value
// no item stands for.
int optionItemOf(const OptionField& field, uint8_t registerByte);
// The register byte after choosing `item`: the field's bits replaced, the others kept.
// An item outside the list leaves the byte as it is.
uint8_t withOptionItem(const OptionField& field, uint8_t registerByte, int item);

}  // namespace mousecfg
