#include "settings/FunctionMenuSizing.h"

namespace mousecfg {

namespace {

constexpr int kMainHeightWithoutGuns = 170;
constexpr int kMainHeightWithGuns = 194;
constexpr int kSpecialHeight = 218;
constexpr int kSpecialHeightWithButtonEffect = 242;
constexpr int kSpecialHeightWithGuns = 290;
constexpr int kSpecialHeightWithGunsAndButtonEffect = 314;
constexpr int kUpperItemTop = 217;
constexpr int kLowerItemTop = 289;

}  // namespace

FunctionMenuSizing functionMenuSizing(int editedProfile, bool gdEnable, bool beEnable) {
  if (editedProfile == 2 && gdEnable) {
    return {kMainHeightWithGuns,
            beEnable ? kSpecialHeightWithGunsAndButtonEffect : kSpecialHeightWithGuns,
            kLowerItemTop, kUpperItemTop, true};
  }
  if (beEnable)
    return {kMainHeightWithoutGuns, kSpecialHeightWithButtonEffect, kUpperItemTop, kLowerItemTop,
            false};
  return {kMainHeightWithoutGuns, kSpecialHeight, std::nullopt, std::nullopt, false};
}

}  // namespace mousecfg
