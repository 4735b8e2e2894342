#include "engineer/ServiceAccess.h"

namespace mousecfg {

namespace {

constexpr uint64_t kFnvOffsetBasis = 0xCBF29CE484222325;
constexpr uint64_t kFnvPrime = 0x100000001B3;
constexpr std::string_view kSalt = "mousecfg service access";

uint64_t fnv1a(uint64_t hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<uint8_t>(c);
    hash *= kFnvPrime;
  }
  return hash;
}

}  // namespace

uint64_t ServiceAccess::codeHash(std::string_view text) {
  return fnv1a(fnv1a(kFnvOffsetBasis, kSalt), text);
}

ServiceLevel ServiceAccess::acceptsServiceCode(std::string_view text, CodeHashes hashes) {
  const uint64_t hash = codeHash(text);
  if (hash == hashes.secondLevel) return ServiceLevel::Second;
  if (hash == hashes.firstLevel) return ServiceLevel::First;
  return ServiceLevel::Off;
}

bool ServiceAccess::countsToAsk(int& count) {
  ++count;
  return count % kDoubleClicksPerAsk == 0;
}

std::optional<std::string> ServiceAccess::ask() const {
  return askForCode ? askForCode() : std::nullopt;
}

void ServiceAccess::logoDoubleClick() {
  if (level_ != ServiceLevel::Off) {
    level_ = ServiceLevel::Off;
    return;
  }
  if (!countsToAsk(logoDoubleClicks_)) return;
  if (const std::optional<std::string> code = ask()) enterCode(*code);
}

void ServiceAccess::gunPageDoubleClick() {
  if (gunEditorShown_) {
    gunEditorShown_ = false;
    return;
  }
  if (!countsToAsk(gunPageDoubleClicks_)) return;
  const std::optional<std::string> code = ask();
  if (code && acceptsServiceCode(*code, hashes_) == ServiceLevel::First) gunEditorShown_ = true;
}

void ServiceAccess::enterCode(std::string_view text) {
  const ServiceLevel entered = acceptsServiceCode(text, hashes_);
  if (entered != ServiceLevel::Off) level_ = entered;
}

}  // namespace mousecfg
