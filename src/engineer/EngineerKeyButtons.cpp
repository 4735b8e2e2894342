#include "engineer/EngineerKeyButtons.h"

#include "base/WindowControls.h"

namespace mousecfg {

namespace {

constexpr size_t kNumberDigits = 3;
constexpr int kProfile1Group = 100;
constexpr int kProfile2Group = 200;
constexpr std::string_view kProfileButtonPrefix = "btn_Key";
constexpr std::string_view kComboKeyPrefix = "btn_ComboKey";

}  // namespace

EngineerKeyButtons::EngineerKeyButtons(ButtonAssignment& buttons) : assignment(buttons) {}

std::vector<std::string> EngineerKeyButtons::comboEnableListItems() {
  std::vector<std::string> items;
  for (size_t i = 0; i < kComboEnableValues.size(); ++i)
    items.push_back(comboEnableItemText(static_cast<int>(i)));
  return items;
}

std::optional<int> EngineerKeyButtons::buttonNumberOfName(std::string_view name) {
  if (name.size() < kNumberDigits) return std::nullopt;
  int number = 0;
  for (char c : name.substr(name.size() - kNumberDigits)) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string EngineerKeyButtons::caption(std::string_view buttonName) const {
  const std::optional<int> number = buttonNumberOfName(buttonName);
  if (!number) return {};
  const std::string_view prefix = buttonName.substr(0, buttonName.size() - kNumberDigits);
  const int n = *number;
  if (prefix == kComboKeyPrefix && n >= 1 && n <= ButtonAssignment::kComboKeys)
    return assignment.comboCaptions[static_cast<size_t>(n - 1)];
  if (prefix != kProfileButtonPrefix) return {};
  for (int profile = 1; profile <= 2; ++profile) {
    const int k = n - (profile == 1 ? kProfile1Group : kProfile2Group);
    if (k >= 1 && k <= ButtonAssignment::kButtons)
      return assignment
          .engineerCaptions[static_cast<size_t>(profile - 1)][static_cast<size_t>(k - 1)];
  }
  return {};
}

void EngineerKeyButtons::TLShowPnlMain_OnClick(std::string_view buttonName, const Rect& button) {
  const std::optional<int> number = buttonNumberOfName(buttonName);
  if (!number) return;
  const std::string_view prefix = buttonName.substr(0, buttonName.size() - kNumberDigits);
  const bool comboKey = prefix == kComboKeyPrefix;
  if (!comboKey && prefix != kProfileButtonPrefix) return;
  // A combo key's number is below 100 and a profile button's above it.
  if (comboKey != (*number < kProfile1Group)) return;
  assignment.openForEngineerButton(*number, button, {kEngineerPageWidth, kEngineerPageHeight});
}

void EngineerKeyButtons::comboEnableChange(ComboEnableList list, int item) {
  if (item < 0 || item >= static_cast<int>(kComboEnableValues.size())) return;
  comboEnableItems[static_cast<size_t>(list)] = item;
  assignment.parameters.comboEnable.set(list, kComboEnableValues[static_cast<size_t>(item)]);
  assignment.TLRefreshComboEn();
}

}  // namespace mousecfg
