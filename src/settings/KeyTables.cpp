#include "settings/KeyTables.h"

#include <algorithm>

namespace mousecfg {

using namespace key_tables;

namespace {

const std::string kNoCode;

size_t entryStart(int index) {
  return static_cast<size_t>(index - 1) * image::kEntryLength;
}

ProfileSection& profileCopy(ConfigImage& image, int profile) {
  return profile == kFirstProfile ? image.profile1 : image.profile2;
}

const ProfileSection& profileCopy(const ConfigImage& image, int profile) {
  return profile == kFirstProfile ? image.profile1 : image.profile2;
}

size_t codeIndex(int profile, int button) {
  return static_cast<size_t>((profile - 1) * kButtonCount + button - 1);
}

}  // namespace

namespace key_tables {

bool isProfile(int profile) {
  return profile == kFirstProfile || profile == kLastProfile;
}
bool isButton(int button) {
  return button >= 1 && button <= kButtonCount;
}
bool isComboKey(int comboKey) {
  return comboKey >= 1 && comboKey <= kComboKeyCount;
}

size_t profileEntryOffset(int profile, int button) {
  const size_t table = profile == kFirstProfile ? image::kProfile1Offset : image::kProfile2Offset;
  return table + entryStart(button);
}

size_t comboKeyOffset(int comboKey) {
  return image::kComboKeysOffset + entryStart(comboKey);
}

}  // namespace key_tables

ButtonEntry profileEntry(const ConfigImage& image, int profile, int button) {
  ButtonEntry entry = entry::kKeyOff;
  if (!isProfile(profile) || !isButton(button)) return entry;
  const ProfileSection& table = profileCopy(image, profile);
  std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(entryStart(button)), entry.size(),
              entry.begin());
  return entry;
}

ButtonEntry comboKeyEntry(const ConfigImage& image, int comboKey) {
  ButtonEntry entry = entry::kKeyOff;
  if (!isComboKey(comboKey)) return entry;
  std::copy_n(image.vendor.begin() + static_cast<std::ptrdiff_t>(comboKeyOffset(comboKey)),
              entry.size(), entry.begin());
  return entry;
}

const std::string& profileCode(const CodeStrings& codes, int profile, int button) {
  if (!isProfile(profile) || !isButton(button)) return kNoCode;
  return codes.keys[codeIndex(profile, button)];
}

const std::string& comboKeyCode(const CodeStrings& codes, int comboKey) {
  if (!isComboKey(comboKey)) return kNoCode;
  return codes.combos[static_cast<size_t>(comboKey - 1)];
}

bool storeProfileEntry(ConfigImage& image, CodeStrings& codes, int profile, int button,
                       const ButtonEntry& entry) {
  if (!isProfile(profile) || !isButton(button)) return false;
  ProfileSection& table = profileCopy(image, profile);
  std::copy(entry.begin(), entry.end(),
            table.begin() + static_cast<std::ptrdiff_t>(entryStart(button)));
  codes.keys[codeIndex(profile, button)] = codeOfEntry(entry);
  return true;
}

bool storeComboKeyEntry(ConfigImage& image, CodeStrings& codes, int comboKey,
                        const ButtonEntry& entry) {
  if (!isComboKey(comboKey)) return false;
  std::copy(entry.begin(), entry.end(),
            image.vendor.begin() + static_cast<std::ptrdiff_t>(comboKeyOffset(comboKey)));
  codes.combos[static_cast<size_t>(comboKey - 1)] = codeOfEntry(entry);
  return true;
}

}  // namespace mousecfg
