// Writes the seed corpus of every fuzz target from the program's built-in data: the
// default image, the language tables and layout files, and blocks the program's own
// writers produce. usage: fuzz_seed_corpus FOLDER (fuzz/corpus)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "BuiltInResources.h"
#include "DefaultImage.h"
#include "device/ConfigImage.h"
#include "device/DeviceMacroBlock.h"
#include "device/ImageMap.h"
#include "device/MacroEvent.h"
#include "seeds/ProviderTail.h"
#include "settings/SystemMouseLevels.h"
#include "settings/SystemMouseStore.h"

namespace mousecfg::fuzz {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

fs::path corpusRoot;

void writeSeed(std::string_view target, std::string_view name, std::span<const uint8_t> bytes) {
  const fs::path folder = corpusRoot / target;
  fs::create_directories(folder);
  const fs::path path = folder / name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::fclose(file);
}

void writeSeed(std::string_view target, std::string_view name, std::string_view text) {
  writeSeed(target, name, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

Bytes joined(std::initializer_list<std::span<const uint8_t>> parts) {
  Bytes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Bytes resource(std::string_view name) {
  const auto bytes = builtInResource(name);
  if (!bytes) {
    std::fprintf(stderr, "no built-in resource %.*s\n", static_cast<int>(name.size()), name.data());
    std::exit(1);
  }
  return Bytes(bytes->begin(), bytes->end());
}

// ---- Macro blocks ----

std::array<uint8_t, macro_block::kNameLength> macroName(std::u16string_view name) {
  std::array<uint8_t, macro_block::kNameLength> bytes{};
  for (size_t i = 0; i < name.size() && 2 * i + 1 < bytes.size(); ++i) {
    bytes[2 * i] = static_cast<uint8_t>(name[i] >> 8);
    bytes[2 * i + 1] = static_cast<uint8_t>(name[i] & 0xFF);
  }
  return bytes;
}

// Three macros as the program packs them, behind the default image's other bytes.
MacroBlockBuffer threeMacroBlock() {
  using namespace macro;
  DeviceMacroBlock macros;
  macros.loadFromImage(builtInDefaultImage());
  const Bytes copy = {kModifierPress, kModifierCtrl,    kKeyPress,     0x06,     kKeyRelease,
                      0x06,           kModifierRelease, kModifierCtrl, kEventEnd};
  const Bytes burst = {kRepeatStart, 3,     kLeftPress, kDelay, 0x00,       0x1E,
                       kLeftRelease, kMove, 0x05,       0xFB,   kRepeatEnd, kEventEnd};
  const Bytes sweep = {kRightPress,     kDelay,       0x01,           0x00,
                       kRightRelease,   kMiddlePress, kMiddleRelease, kForwardPress,
                       kForwardRelease, kEventEnd};
  macros.setSlot(0, macroName(u"Copy"), copy);
  macros.setSlot(1, macroName(u"Burst \u00E4"), burst);
  macros.setSlot(2, macroName(u"\u626B\u5C04 sweep"), sweep);
  macros.PackMacroBlock();
  return macros.block();
}

void macroBlockSeeds() {
  DeviceMacroBlock empty;
  empty.loadFromImage(builtInDefaultImage());
  writeSeed("macro_block", "default-image", empty.block());

  const MacroBlockBuffer block = threeMacroBlock();
  ProviderTail clear;
  clear.inRange(1, 0);  // slot 1
  clear.boolean(true);  // cleared
  writeSeed("macro_block", "three-macros-clear-one", joined({block, clear.bytes()}));

  ProviderTail replace;
  replace.inRange(0, 0);   // slot 0
  replace.boolean(false);  // set
  const auto name = macroName(u"Paste");
  const Bytes events = {macro::kKeyPress, 0x19, macro::kKeyRelease, 0x19, macro::kEventEnd};
  writeSeed("macro_block", "three-macros-replace-one",
            joined({block, name, events, replace.bytes()}));
}

// ---- Language tables and layout files ----

// The start of a UTF-16LE table up to a line break near `limit` bytes, with its section
// header renamed to `section` so that every seed reaches the section the target reads.
Bytes languageHead(std::string_view resourceName, std::string_view from, std::string_view to,
                   size_t limit) {
  Bytes bytes = resource(resourceName);
  size_t cut = std::min(limit, bytes.size()) & ~size_t{1};
  while (cut >= 2 && !(bytes[cut - 2] == '\n' && bytes[cut - 1] == 0)) cut -= 2;
  bytes.resize(cut);
  for (size_t i = 0; i + 2 * from.size() <= bytes.size(); i += 2) {
    bool match = true;
    for (size_t k = 0; k < from.size() && match; ++k)
      match = bytes[i + 2 * k] == static_cast<uint8_t>(from[k]) && bytes[i + 2 * k + 1] == 0;
    if (!match) continue;
    for (size_t k = 0; k < to.size() && k < from.size(); ++k)
      bytes[i + 2 * k] = static_cast<uint8_t>(to[k]);
    break;
  }
  return bytes;
}

void languageTableSeeds() {
  writeSeed("language_table", "lang1-head", languageHead("LANG1", "[lang1]", "[lang1]", 1600));
  writeSeed("language_table", "lang2-head", languageHead("LANG2", "[lang2]", "[lang1]", 1600));
  writeSeed("language_table", "lang3-head", languageHead("LANG3", "[lang3]", "[lang1]", 1600));
}

// The start of a layout file up to a line break near `limit` bytes, its section renamed.
std::string layoutHead(std::string_view resourceName, std::string_view from, std::string_view to,
                       size_t limit) {
  const Bytes bytes = resource(resourceName);
  std::string text(bytes.begin(), bytes.end());
  if (text.size() > limit) text.resize(text.rfind('\n', limit) + 1);
  const size_t header = text.find(from);
  if (header != std::string::npos) text.replace(header, from.size(), to);
  return text;
}

void layoutFileSeeds() {
  writeSeed("layout_file", "org", layoutHead("ORG", "[org]", "[org1]", 1200));
  writeSeed("layout_file", "org1-head", layoutHead("ORG1", "[org1]", "[org1]", 1200));
  writeSeed("layout_file", "org2-head", layoutHead("ORG2", "[org2]", "[org1]", 1200));
}

// ---- Report descriptors ----

void reportDescriptorSeeds() {
  // Buttons, padding, X, Y and wheel; no report ids.
  const Bytes mouse = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05,
                       0x09, 0x19, 0x01, 0x29, 0x05, 0x15, 0x00, 0x25, 0x01, 0x75, 0x01,
                       0x95, 0x05, 0x81, 0x02, 0x75, 0x03, 0x95, 0x01, 0x81, 0x03, 0x05,
                       0x01, 0x09, 0x30, 0x09, 0x31, 0x09, 0x38, 0x15, 0x81, 0x25, 0x7F,
                       0x75, 0x08, 0x95, 0x03, 0x81, 0x06, 0xC0, 0xC0};
  // The vendor collection: command and data feature reports, notification input report.
  const Bytes vendor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x40, 0x09, 0x02, 0x15,
                        0x00, 0x26, 0xFF, 0x00, 0x75, 0x08, 0x95, 0x07, 0xB1, 0x02, 0x85, 0x41,
                        0x09, 0x03, 0xB1, 0x02, 0x85, 0x42, 0x09, 0x04, 0x81, 0x02, 0xC0};
  // A keyboard with an output report, globals kept across a push and a pop, and a long item.
  const Bytes keyboard = {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01, 0x05, 0x07, 0x19, 0xE0, 0x29, 0xE7,
                          0x15, 0x00, 0x25, 0x01, 0x75, 0x01, 0x95, 0x08, 0x81, 0x02, 0xA4, 0x95,
                          0x01, 0x75, 0x08, 0x81, 0x01, 0xB4, 0x95, 0x05, 0x05, 0x08, 0x19, 0x01,
                          0x29, 0x05, 0x91, 0x02, 0x95, 0x01, 0x75, 0x03, 0x91, 0x01, 0xFE, 0x02,
                          0x10, 0xAA, 0xBB, 0x95, 0x06, 0x75, 0x08, 0x26, 0xFF, 0x00, 0x05, 0x07,
                          0x19, 0x00, 0x2A, 0xFF, 0x00, 0x81, 0x00, 0xC0};
  writeSeed("report_descriptor", "mouse", mouse);
  writeSeed("report_descriptor", "vendor", vendor);
  writeSeed("report_descriptor", "keyboard", keyboard);
}

// ---- Configuration images ----

Bytes defaultImage() {
  const auto& image = builtInDefaultImage();
  return Bytes(image.begin(), image.end());
}

// The builder inputs the config_image target takes: LED type, interface, package choice.
Bytes builderChoice(int led, int interface, int package) {
  ProviderTail tail;
  tail.inRange(led, 0);
  tail.inRange(interface, 0);
  tail.inRange(package, -1);
  return tail.bytes();
}

void configImageSeeds() {
  Bytes image = defaultImage();
  writeSeed("config_image", "default-rgb-i2c", joined({image, builderChoice(0, 0, 0)}));
  image[image::kVendorOffset + 10] ^= 0x01;  // vendor checksum broken
  writeSeed("config_image", "broken-vendor-sync-kv204", joined({image, builderChoice(1, 1, 1)}));
  image = defaultImage();
  image[image::kProfile1Offset + 3] ^= 0x10;  // both profile checksums broken
  image[image::kProfile2Offset + 7] ^= 0x02;
  image[image::kUserOffset + 1] ^= 0x04;
  writeSeed("config_image", "broken-profiles-user", joined({image, builderChoice(2, 3, -1)}));
}

void mousectlCheckSeeds() {
  Bytes image = defaultImage();
  writeSeed("mousectl_check", "default-image", image);
  const MacroBlockBuffer macros = threeMacroBlock();
  std::copy(macros.begin(), macros.end(), image.begin() + image::kMacroBlockOffset);
  image[image::kUserOffset + 2] ^= 0x01;  // user checksum broken
  writeSeed("mousectl_check", "macros-broken-user", image);
  writeSeed("mousectl_check", "cut-short", std::span(image).first(1000));
}

// Files "mousectl load" compares with the mouse: its own, one with a macro block and a
// broken user section, a short one and a longer one.
void profileFileSeeds() {
  Bytes image = defaultImage();
  writeSeed("profile_file", "default-image", image);
  const MacroBlockBuffer macros = threeMacroBlock();
  std::copy(macros.begin(), macros.end(), image.begin() + image::kMacroBlockOffset);
  image[image::kUserOffset + 2] ^= 0x01;
  writeSeed("profile_file", "macros-broken-user", image);
  writeSeed("profile_file", "cut-short", std::span(image).first(1000));
  image.resize(image::kImageLength + 100, 0xEE);
  writeSeed("profile_file", "too-long", image);
}

// ---- Button entries ----

// An entry named against the default fire keys, fire macro codes and device macros.
Bytes namingSeed(std::span<const uint8_t> entry, bool fireMacrosPresent, bool macrosAvailable,
                 std::span<const uint8_t> macroBlockStart) {
  ProviderTail tail;
  for (uint8_t byte : entry) tail.byte(byte);
  tail.inRange(0, 0);  // language 1
  constexpr int kCounts[] = {3, 5, 8};
  for (int count : kCounts) {
    tail.inRange(count, 1);
    tail.u16(30);
  }
  tail.boolean(fireMacrosPresent);
  for (uint8_t slot = 0; slot < 10; ++slot) {
    const uint8_t code[] = {0x0B, static_cast<uint8_t>(0x10 + slot % 7), 0x01, 0x00};
    for (uint8_t byte : code) tail.byte(byte);
  }
  tail.boolean(macrosAvailable);
  return joined({macroBlockStart, tail.bytes()});
}

void entryNameSeeds() {
  const auto& image = builtInDefaultImage();
  for (size_t k = 0; k < image::kButtonCount; ++k) {
    const auto entry = std::span(image).subspan(image::kProfile1Offset + k * 4, 4);
    writeSeed("entry_names", "profile1-button" + std::to_string(k + 1),
              namingSeed(entry, false, false, {}));
  }
  const MacroBlockBuffer macros = threeMacroBlock();
  const uint8_t macroEntry[] = {macro_block::kButtonCategoryMacro, 0x02, 0x19, 0x00};
  writeSeed("entry_names", "device-macro",
            namingSeed(macroEntry, false, true, std::span(macros).first(96)));
  const uint8_t gunEntry[] = {0x0B, 0x12, 0x01, 0x00};
  writeSeed("entry_names", "fire-macro", namingSeed(gunEntry, true, false, {}));
  const uint8_t keys[] = {0x02, 0x05, 0x04, 0x1D};
  writeSeed("entry_names", "key-combination", namingSeed(keys, false, false, {}));
}

// ---- Device information ----

struct InfoSeed {
  std::string_view name;
  Bytes reply;
  int memoryType;  // 0 I2C, 1 KV204, 2 Flash, 3 none
  uint8_t i2cProduct = 0xFF;
  bool readConfiguration = false;
  int framesBeforeLoss = -1;
};

void deviceInfoSeeds() {
  const InfoSeed seeds[] = {
      {"i2c-accepted", {0x00, 0x5A, 0xC0, 0x00, 0x00, 0x00, 0x00}, 0},
      {"i2c-read", {0x80, 0x5A, 0xC0, 0x00, 0x00, 0x00, 0x00}, 0, 0xFF, true},
      {"kv204-accepted", {0x81, 0x5A, 0x40, 0x00, 0x00, 0x1A, 0x00}, 1},
      {"kv204-unconfirmed", {0x00, 0x5A, 0x40, 0x00, 0x01, 0x1A, 0x00}, 1},
      {"memory-mismatch", {0x00, 0x5A, 0x40, 0x00, 0x00, 0x1A, 0x00}, 2},
      {"foreign-codes", {0x00, 0x5A, 0xC0, 0x00, 0x00, 0x00, 0x00}, 0, 0x17},
      {"lost-frame", {0x00, 0x5A, 0xC0, 0x00, 0x00, 0x00, 0x00}, 0, 0xFF, false, 2},
  };
  for (const InfoSeed& seed : seeds) {
    ProviderTail tail;
    tail.byte(0xFF);  // I2C codes
    tail.byte(seed.i2cProduct);
    tail.byte(0xFF);  // KV204 codes
    tail.byte(0xFF);
    tail.inRange(seed.memoryType, 0);
    tail.boolean(false);  // expected codes given: the generic pair
    tail.byte(0xFF);
    tail.byte(0xFF);
    tail.boolean(true);  // reserve codes: the KV204 ones
    tail.inRange(seed.readConfiguration ? 0 : 1, 0);
    tail.boolean(true);
    tail.inRange(seed.framesBeforeLoss, -8);
    writeSeed("device_info", seed.name, joined({seed.reply, tail.bytes()}));
  }
}

// ---- System mouse settings ----

void systemMouseStoreSeeds() {
  using namespace systemmouse;
  SystemMouseStore store;
  store.setValue(kMouseKey, kMouseSensitivity, "10");
  store.setValue(kMouseKey, kMouseSpeed, "1");
  store.setValue(kMouseKey, kMouseThreshold1, "6");
  store.setValue(kMouseKey, kMouseThreshold2, "10");
  store.setValue(kMouseKey, kDoubleClickSpeed, "500");
  store.setValue(kDesktopKey, kWheelScrollLines, "-1");
  writeSeed("system_mouse_store", "written", store.text());
  writeSeed("system_mouse_store", "hand-edited",
            "# edited by hand\r\n[ control panel\\mouse ]\r\n  mousespeed = 0 \r\n"
            "MouseSensitivity=\t12\nUnknown=1\nDoubleClickSpeed=caf\xC3\xA9\n"
            "[Control Panel\\Desktop] trailing\nWheelScrollLines=3\n[broken\nMouseSpeed=2\n");
}

}  // namespace
}  // namespace mousecfg::fuzz

int main(int argc, char** argv) {
  using namespace mousecfg::fuzz;
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seed_corpus FOLDER\n");
    return 2;
  }
  corpusRoot = argv[1];
  macroBlockSeeds();
  languageTableSeeds();
  layoutFileSeeds();
  reportDescriptorSeeds();
  configImageSeeds();
  mousectlCheckSeeds();
  profileFileSeeds();
  entryNameSeeds();
  deviceInfoSeeds();
  systemMouseStoreSeeds();
  return 0;
}
