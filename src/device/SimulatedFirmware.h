#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "device/Protocol.h"

namespace mousecfg {

// The simulated mouse's firmware: the stored block, the working parameters, the
// extended data memory and the command protocol on reports 0x40 and 0x41. It knows
// nothing of collections, threads or faults (SimulatedMouse adds those) and is not
// thread-safe on its own.
//
// Choices where the protocol leaves the firmware free:
// - A get-feature with nothing pending answers 0x41 and seven zero bytes.
// - Bytes past the requested length in the last frame of a read are zero.
// - A new command drops any transfer still pending.
// - A data frame the firmware does not expect is accepted and ignored.
// - A direct write that reaches byte 164 (user section byte 0, the active profile)
//   re-applies the stored block's first 256 bytes to the working parameters; the
//   host's reload sequence (0x0F, then the real value at 164) relies on this.
// - Malformed commands are refused: unknown codes, a direct-write form other than
//   0 or 1, a count outside 1..3, a direct access or read space beyond the working
//   parameters, a block access beyond the stored block.
class SimulatedFirmware {
 public:
  using Block = std::array<uint8_t, protocol::kStoredBlockLength>;
  using WorkingParameters = std::array<uint8_t, protocol::kWorkingParametersLength>;
  using Frame = std::array<uint8_t, protocol::kFrameLength>;
  using InfoReply = std::array<uint8_t, protocol::kPayloadLength>;

  explicit SimulatedFirmware(const Block& stored);

  // A set-feature on report 0x40; false when the firmware refuses the command.
  bool command(const Frame& frame);
  // A set-feature on report 0x41 (block-write data).
  void dataFrame(const Frame& frame);
  // The answer to a get-feature on report 0x41.
  Frame reply();

  // Power-up: the working parameters come from the stored block, nothing is pending.
  void restart();
  // True once after every change of the stored block that ended a transfer, a direct
  // write or a button press.
  bool takeStoredChanged();

  const Block& stored() const { return stored_; }
  void setStored(const Block& block);
  const WorkingParameters& working() const { return working_; }
  uint8_t extendedByte(uint16_t address) const { return extended_[address]; }
  void setDeviceInfo(const InfoReply& reply) { deviceInfo_ = reply; }

  // The mouse's own buttons.
  void nextDpiLevel();
  void toggleProfile();

 private:
  enum class Transfer { None, ExtendedRead, DirectRead, BlockRead, BlockWrite, DeviceInfo };

  bool directWrite(const Frame& frame);
  bool directRead(const Frame& frame);
  bool blockTransfer(const Frame& frame, Transfer kind);
  void writeParameter(size_t address, uint8_t value);
  void startTransfer(Transfer kind, size_t address, size_t length);
  Frame nextReadFrame(const uint8_t* source);

  Block stored_;
  WorkingParameters working_{};
  std::vector<uint8_t> extended_;
  InfoReply deviceInfo_{};
  Transfer transfer_ = Transfer::None;
  size_t transferAddress_ = 0;
  size_t transferRemaining_ = 0;
  uint8_t extendedValue_ = 0;
  bool storedChanged_ = false;
};

}  // namespace mousecfg
