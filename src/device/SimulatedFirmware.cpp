#include "device/SimulatedFirmware.h"

#include <algorithm>
#include <utility>

#include "device/ImageMap.h"

namespace mousecfg {

using namespace protocol;

namespace {

constexpr size_t kExtendedMemoryLength = 0x10000;
constexpr size_t kMaxDpiLevels = 8;
constexpr size_t kProfileByte = image::kUserOffset + image::kUserActiveProfile;
constexpr size_t kActiveDpiByte = image::kUserOffset + image::kUserActiveDpiLevel;

size_t bigEndian(uint8_t high, uint8_t low) {
  return static_cast<size_t>(high << 8 | low);
}

}  // namespace

SimulatedFirmware::SimulatedFirmware(const Block& stored)
    : stored_(stored), extended_(kExtendedMemoryLength, 0) {
  restart();
}

void SimulatedFirmware::restart() {
  std::copy_n(stored_.begin(), working_.size(), working_.begin());
  transfer_ = Transfer::None;
}

void SimulatedFirmware::setStored(const Block& block) {
  stored_ = block;
  restart();
}

bool SimulatedFirmware::takeStoredChanged() {
  return std::exchange(storedChanged_, false);
}

bool SimulatedFirmware::command(const Frame& frame) {
  transfer_ = Transfer::None;
  switch (frame[1]) {
    case kCmdExtendedWrite:
      extended_[bigEndian(frame[2], frame[3])] = frame[4];
      return true;
    case kCmdExtendedRead:
      extendedValue_ = extended_[bigEndian(frame[2], frame[3])];
      transfer_ = Transfer::ExtendedRead;
      return true;
    case kCmdDirectWrite:
      return directWrite(frame);
    case kCmdDirectRead:
      return directRead(frame);
    case kCmdBlockWrite:
      return blockTransfer(frame, Transfer::BlockWrite);
    case kCmdBlockRead:
      return blockTransfer(frame, Transfer::BlockRead);
    case kCmdDeviceInfo:
      transfer_ = Transfer::DeviceInfo;
      return true;
    case kCmdRestart:
      restart();
      return true;
    default:
      return false;
  }
}

bool SimulatedFirmware::directWrite(const Frame& frame) {
  const size_t address = frame[3];
  size_t count = 0;
  if (frame[2] == kDirectWriteUpToThree) {
    count = frame[7];
    if (count < 1 || count > kDirectWriteMaxShort) return false;
  } else if (frame[2] == kDirectWriteFour) {
    count = 4;
  } else {
    return false;
  }
  if (address + count > working_.size()) return false;
  bool reload = false;
  for (size_t i = 0; i < count; ++i) {
    writeParameter(address + i, frame[4 + i]);
    reload = reload || address + i == kProfileByte;
  }
  // The reload sequence ends with a write of byte 164: apply what block writes stored.
  if (reload) std::copy_n(stored_.begin(), working_.size(), working_.begin());
  storedChanged_ = true;
  return true;
}

void SimulatedFirmware::writeParameter(size_t address, uint8_t value) {
  working_[address] = value;
  stored_[address] = value;
}

bool SimulatedFirmware::directRead(const Frame& frame) {
  const uint8_t space = frame[2];
  const size_t address = frame[3];
  const size_t length = frame[5];
  if (space != 0 || address + length > working_.size()) return false;
  startTransfer(Transfer::DirectRead, address, length);
  return true;
}

bool SimulatedFirmware::blockTransfer(const Frame& frame, Transfer kind) {
  const size_t address = bigEndian(frame[2], frame[3]);
  const size_t length = bigEndian(frame[4], frame[5]);
  if (address + length > stored_.size()) return false;
  startTransfer(kind, address, length);
  return true;
}

void SimulatedFirmware::startTransfer(Transfer kind, size_t address, size_t length) {
  if (length == 0) return;
  transfer_ = kind;
  transferAddress_ = address;
  transferRemaining_ = length;
}

void SimulatedFirmware::dataFrame(const Frame& frame) {
  if (transfer_ != Transfer::BlockWrite) return;
  const size_t count = std::min(kPayloadLength, transferRemaining_);
  std::copy_n(frame.begin() + 1, count, stored_.begin() + transferAddress_);
  transferAddress_ += count;
  transferRemaining_ -= count;
  if (transferRemaining_ == 0) {
    transfer_ = Transfer::None;
    storedChanged_ = true;
  }
}

SimulatedFirmware::Frame SimulatedFirmware::nextReadFrame(const uint8_t* source) {
  Frame frame{kDataReport};
  const size_t count = std::min(kPayloadLength, transferRemaining_);
  std::copy_n(source + transferAddress_, count, frame.begin() + 1);
  transferAddress_ += count;
  transferRemaining_ -= count;
  if (transferRemaining_ == 0) transfer_ = Transfer::None;
  return frame;
}

SimulatedFirmware::Frame SimulatedFirmware::reply() {
  Frame frame{kDataReport};
  switch (transfer_) {
    case Transfer::DirectRead:
      return nextReadFrame(working_.data());
    case Transfer::BlockRead:
      return nextReadFrame(stored_.data());
    case Transfer::ExtendedRead:
      frame[1] = extendedValue_;
      transfer_ = Transfer::None;
      return frame;
    case Transfer::DeviceInfo:
      std::copy(deviceInfo_.begin(), deviceInfo_.end(), frame.begin() + 1);
      transfer_ = Transfer::None;
      return frame;
    case Transfer::None:
    case Transfer::BlockWrite:
      return frame;
  }
  return frame;
}

void SimulatedFirmware::nextDpiLevel() {
  const size_t levels =
      std::clamp<size_t>(stored_[image::kDpiLevelCountOffset] + 1, 1, kMaxDpiLevels);
  const size_t current = working_[kActiveDpiByte];
  const size_t next = current + 1 < levels ? current + 1 : 0;
  writeParameter(kActiveDpiByte, static_cast<uint8_t>(next));
  storedChanged_ = true;
}

void SimulatedFirmware::toggleProfile() {
  const uint8_t value = working_[kProfileByte];
  const uint8_t other = image::activeProfileCode(value) == image::kProfile1Code
                            ? image::kProfile2Code
                            : image::kProfile1Code;
  writeParameter(kProfileByte, image::withActiveProfileCode(value, other));
  storedChanged_ = true;
}

}  // namespace mousecfg
