#pragma once

#include <cstddef>
#include <cstdint>

// The mouse's feature-report protocol: every frame is 8 bytes, report id first.
namespace mousecfg::protocol {

inline constexpr size_t kFrameLength = 8;
inline constexpr size_t kPayloadLength = 7;

inline constexpr uint8_t kCommandReport = 0x40;       // host to device, command handle
inline constexpr uint8_t kDataReport = 0x41;          // data frames both ways, data handle
inline constexpr uint8_t kNotificationReport = 0x42;  // input report, notification handle

inline constexpr uint8_t kCmdExtendedWrite = 0x01;
inline constexpr uint8_t kCmdExtendedRead = 0x02;
inline constexpr uint8_t kCmdDirectWrite = 0x05;
inline constexpr uint8_t kCmdDirectRead = 0x06;
inline constexpr uint8_t kCmdBlockWrite = 0x07;
inline constexpr uint8_t kCmdBlockRead = 0x09;
inline constexpr uint8_t kCmdDeviceInfo = 0x0D;
inline constexpr uint8_t kCmdRestart = 0x0E;

// Byte 2 of a direct write selects its form.
inline constexpr uint8_t kDirectWriteUpToThree = 0x00;
inline constexpr uint8_t kDirectWriteFour = 0x01;
inline constexpr int kDirectWriteMaxShort = 3;

// Notification report 0x42: byte 3 carries the event.
inline constexpr size_t kNotificationEventByte = 3;
inline constexpr uint8_t kEventButtonsReleased = 0x00;
inline constexpr uint8_t kEventDpi1 = 0x01;
inline constexpr uint8_t kEventDpi2 = 0x02;
inline constexpr uint8_t kEventDpi4 = 0x04;
inline constexpr uint8_t kEventProfile = 0x08;

// Device-information reply (one data frame after command 0x0D).
inline constexpr size_t kInfoState = 0;
inline constexpr size_t kInfoSignature = 1;
inline constexpr size_t kInfoChip = 2;
inline constexpr size_t kInfoKv204Check1 = 4;
inline constexpr size_t kInfoKv204Check2 = 5;
inline constexpr uint8_t kInfoSignatureValue = 0x5A;
inline constexpr uint8_t kChipKv204 = 0x40;
inline constexpr uint8_t kChipI2c = 0xC0;
inline constexpr uint8_t kKv204CheckValue1 = 0x00;
inline constexpr uint8_t kKv204CheckValue2 = 0x1A;
inline constexpr bool isAcceptedInfoState(uint8_t state) {
  return state == 0x00 || state == 0x80 || state == 0x81 || state == 0x82;
}

// The stored block a block read or block write reaches.
inline constexpr int kStoredBlockLength = 2048;
// Direct writes and reads reach the working parameters: the first 256 bytes.
inline constexpr int kWorkingParametersLength = 256;

}  // namespace mousecfg::protocol
