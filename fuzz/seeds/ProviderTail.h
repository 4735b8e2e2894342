#pragma once

#include <cstdint>
#include <vector>

namespace mousecfg::fuzz {

// The end of a seed, written in the order a target takes its values: FuzzedDataProvider
// takes numbers from the last byte backwards, the first byte taken being the highest.
class ProviderTail {
 public:
  void byte(uint8_t value) { taken_.push_back(value); }
  void boolean(bool value) { byte(value ? 1 : 0); }
  void u16(uint16_t value) {
    byte(static_cast<uint8_t>(value >> 8));
    byte(static_cast<uint8_t>(value & 0xFF));
  }
  // A value taken with ConsumeIntegralInRange(min, max) for a range below 256.
  void inRange(int value, int min) { byte(static_cast<uint8_t>(value - min)); }

  // The bytes to append to the seed's front part.
  std::vector<uint8_t> bytes() const { return {taken_.rbegin(), taken_.rend()}; }

 private:
  std::vector<uint8_t> taken_;
};

}  // namespace mousecfg::fuzz
