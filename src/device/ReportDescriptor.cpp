#include "device/ReportDescriptor.h"

#include <algorithm>
#include <array>
#include <vector>

namespace mousecfg {

namespace {

enum ItemType : uint8_t { kMain = 0, kGlobal = 1 };
enum MainTag : uint8_t { kInput = 0x8, kOutput = 0x9, kFeature = 0xB };
enum GlobalTag : uint8_t {
  kReportSize = 0x7,
  kReportId = 0x8,
  kReportCount = 0x9,
  kPush = 0xA,
  kPop = 0xB
};

constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr size_t kLongItemHeader = 3;  // prefix, data size, long tag
constexpr size_t kMaxPushDepth = 32;
constexpr size_t kReportIds = 256;
constexpr uint64_t kMaxReportBits = 65535ull * 8;

struct Globals {
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint32_t reportId = 0;
};

struct Item {
  uint8_t type;
  uint8_t tag;
  uint32_t value;
};

enum class ReportKind { Input, Output, Feature };
constexpr size_t kReportKinds = 3;

class Parser {
 public:
  explicit Parser(std::span<const uint8_t> descriptor) : bytes_(descriptor) {}

  std::optional<ReportLengths> run() {
    while (position_ < bytes_.size()) {
      if (bytes_[position_] == kLongItemPrefix) {
        if (!skipLongItem()) return std::nullopt;
        continue;
      }
      const std::optional<Item> item = nextShortItem();
      if (!item || !apply(*item)) return std::nullopt;
    }
    return ReportLengths{longest(ReportKind::Input), longest(ReportKind::Output),
                         longest(ReportKind::Feature)};
  }

 private:
  bool skipLongItem() {
    if (bytes_.size() - position_ < kLongItemHeader) return false;
    const size_t dataSize = bytes_[position_ + 1];
    if (bytes_.size() - position_ - kLongItemHeader < dataSize) return false;
    position_ += kLongItemHeader + dataSize;
    return true;
  }

  std::optional<Item> nextShortItem() {
    const uint8_t prefix = bytes_[position_];
    const size_t size = (prefix & 0x3) == 0x3 ? 4 : (prefix & 0x3);
    if (bytes_.size() - position_ - 1 < size) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i) value |= uint32_t{bytes_[position_ + 1 + i]} << (8 * i);
    position_ += 1 + size;
    return Item{static_cast<uint8_t>((prefix >> 2) & 0x3), static_cast<uint8_t>(prefix >> 4),
                value};
  }

  bool apply(const Item& item) {
    if (item.type == kMain) return applyMain(item.tag);
    if (item.type == kGlobal) return applyGlobal(item.tag, item.value);
    return true;
  }

  bool applyMain(uint8_t tag) {
    switch (tag) {
      case kInput:
        return addBits(ReportKind::Input);
      case kOutput:
        return addBits(ReportKind::Output);
      case kFeature:
        return addBits(ReportKind::Feature);
      default:
        return true;
    }
  }

  bool applyGlobal(uint8_t tag, uint32_t value) {
    switch (tag) {
      case kReportSize:
        globals_.reportSize = value;
        return true;
      case kReportCount:
        globals_.reportCount = value;
        return true;
      case kReportId:
        globals_.reportId = value;
        return value < kReportIds;
      case kPush:
        if (stack_.size() >= kMaxPushDepth) return false;
        stack_.push_back(globals_);
        return true;
      case kPop:
        if (stack_.empty()) return false;
        globals_ = stack_.back();
        stack_.pop_back();
        return true;
      default:
        return true;
    }
  }

  bool addBits(ReportKind kind) {
    uint64_t& bits = bits_[static_cast<size_t>(kind)][globals_.reportId];
    bits += uint64_t{globals_.reportSize} * globals_.reportCount;
    return bits <= kMaxReportBits;
  }

  int longest(ReportKind kind) const {
    const auto& perId = bits_[static_cast<size_t>(kind)];
    const uint64_t bits = *std::max_element(perId.begin(), perId.end());
    if (bits == 0) return 0;
    return static_cast<int>((bits + 7) / 8) + 1;
  }

  std::span<const uint8_t> bytes_;
  size_t position_ = 0;
  Globals globals_;
  std::vector<Globals> stack_;
  std::array<std::array<uint64_t, kReportIds>, kReportKinds> bits_{};
};

}  // namespace

std::optional<ReportLengths> reportLengthsFromDescriptor(std::span<const uint8_t> descriptor) {
  return Parser(descriptor).run();
}

}  // namespace mousecfg
