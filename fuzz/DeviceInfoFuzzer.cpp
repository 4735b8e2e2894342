// The simulated mouse answers the device-information command with any seven bytes and
// carries any manufacturer and product codes; frames may be lost on the way. Whatever it
// answers, the program must end in the outcome the reply calls for: accepted only with
// a recognised reply and the codes the mouse carries, rejected otherwise, never a crash.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/Protocol.h"
#include "device/SimulatedMouse.h"
#include "support/InstantHost.h"
#include "support/PropertyCheck.h"

namespace mousecfg {
namespace {

using fuzz::require;
using namespace protocol;
using InfoReply = std::array<uint8_t, kPayloadLength>;

struct Scenario {
  InfoReply reply{};
  IdPair i2cCodes;    // what the mouse holds where an I2C chip keeps its codes
  IdPair kv204Codes;  // and where a KV204 chip keeps them
  std::string configuredMemoryType;
  IdPair expectedIds;
  IdPair reserveIds;
  bool readConfiguration = false;
  bool confirmForeignIds = false;
  int framesBeforeLoss = -1;  // negative: no frame is lost
};

IdPair consumeIds(FuzzedDataProvider& input) {
  const int manufacturer = input.ConsumeIntegral<uint8_t>();
  return {manufacturer, input.ConsumeIntegral<uint8_t>()};
}

Scenario consumeScenario(FuzzedDataProvider& input) {
  static const std::array<std::string, 4> kMemoryTypes{"I2C", "KV204", "Flash", ""};
  Scenario s;
  s.i2cCodes = consumeIds(input);
  s.kv204Codes = consumeIds(input);
  s.configuredMemoryType =
      kMemoryTypes[input.ConsumeIntegralInRange<size_t>(0, kMemoryTypes.size() - 1)];
  // Often expect the codes the mouse carries, so that acceptance is reached.
  s.expectedIds = input.ConsumeBool() ? s.i2cCodes : consumeIds(input);
  s.reserveIds = input.ConsumeBool() ? s.kv204Codes : consumeIds(input);
  s.readConfiguration = input.ConsumeIntegralInRange(0, 7) == 0;  // a whole read is slow
  s.confirmForeignIds = input.ConsumeBool();
  s.framesBeforeLoss = input.ConsumeIntegralInRange(-8, 8);
  const std::vector<uint8_t> reply = input.ConsumeRemainingBytes<uint8_t>();
  std::copy_n(reply.begin(), std::min(reply.size(), s.reply.size()), s.reply.begin());
  return s;
}

// The outcome the reply calls for when no frame is lost, from the rules of the
// device-information step written out on their own.
DevInfoOutcome expectedOutcome(const Scenario& s, const InfoReply& reply) {
  const bool stateKnown = reply[0] == 0x00 || (reply[0] >= 0x80 && reply[0] <= 0x82);
  if (!stateKnown || reply[1] != 0x5A) return DevInfoOutcome::ReplyIgnored;
  const std::string& memory = s.configuredMemoryType;
  IdPair codes;
  if (reply[2] == 0xC0) {
    if (memory == "Flash" || memory == "KV204") return DevInfoOutcome::MemoryTypeMismatch;
    codes = s.i2cCodes;
  } else if (reply[2] == 0x40) {
    if (memory == "Flash" || memory == "I2C") return DevInfoOutcome::MemoryTypeMismatch;
    if (reply[4] != 0x00 || reply[5] != 0x1A) return DevInfoOutcome::Kv204CheckFailed;
    codes = s.kv204Codes;
  } else {
    return DevInfoOutcome::ReplyIgnored;
  }
  if (codes != s.expectedIds && codes != s.reserveIds) return DevInfoOutcome::ForeignIds;
  return DevInfoOutcome::Accepted;
}

bool isLostFrameOutcome(DevInfoOutcome outcome) {
  return outcome == DevInfoOutcome::CommandRefused || outcome == DevInfoOutcome::ReplyLost ||
         outcome == DevInfoOutcome::IdReadFailed || outcome == DevInfoOutcome::ReadIncomplete;
}

void checkAccepted(const Scenario& s, const DeviceLink& link, const SimulatedMouse& mouse) {
  const bool i2c = link.discovery.lastInfoReply()[2] == 0xC0;
  const IdPair carried = i2c ? s.i2cCodes : s.kv204Codes;
  require(link.connection.deviceIds == carried,
          "an accepted mouse is known by the codes it carries");
  require(carried == s.expectedIds || carried == s.reserveIds,
          "only the expected or the reserve codes are accepted");
  if (s.readConfiguration) {
    require(link.image.buffer == mouse.storedBlock(), "an accepted read brings the stored block");
  } else {
    require(link.connection.interfaceType == (i2c ? "I2C" : "KV204"),
            "the interface type is the chip the reply names");
  }
}

void checkRejected(DevInfoOutcome outcome, const Scenario& s, const DeviceLink& link,
                   const fuzz::InstantHost& host) {
  if (outcome == DevInfoOutcome::MemoryTypeMismatch) {
    require(std::find(host.messages.begin(), host.messages.end(), "Str102") != host.messages.end(),
            "a chip that does not fit the configuration is told");
    require(link.errorFlag(), "a chip that does not fit shows the built-in defaults");
  }
  if (outcome == DevInfoOutcome::ForeignIds)
    require(link.monitorTimerEnabled() == s.confirmForeignIds,
            "foreign codes stop the monitor until the message is confirmed");
}

}  // namespace
}  // namespace mousecfg

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mousecfg;
  FuzzedDataProvider input(data, size);
  const Scenario s = consumeScenario(input);

  fuzz::InstantHost host(s.confirmForeignIds);
  SimulatedMouse mouse({}, [&host] { return host.nowMs(); });
  auto block = mouse.storedBlock();
  block[image::kFireKeyOffset] = static_cast<uint8_t>(s.i2cCodes.first);
  block[image::kFireKeyOffset + 1] = static_cast<uint8_t>(s.i2cCodes.second);
  block[image::kKv204IdOffset] = static_cast<uint8_t>(s.kv204Codes.first);
  block[image::kKv204IdOffset + 1] = static_cast<uint8_t>(s.kv204Codes.second);
  mouse.setStoredBlock(block);
  mouse.setDeviceInfoReply(s.reply);

  DeviceLink link(mouse, host);
  link.deriveFromBuiltInImage();
  link.connection.configuredMemoryType = s.configuredMemoryType;
  link.connection.expectedIds = s.expectedIds;
  link.connection.reserveIds = s.reserveIds;
  uint16_t version = 0;
  require(link.discovery.OpenDevice(link.deviceTable[0].vendorId, link.deviceTable[0].productId,
                                    version),
          "the simulated mouse is found");
  mouse.refuseOneFrameAfter(s.framesBeforeLoss);

  const DevInfoOutcome outcome = link.discovery.ReadDevInfo(s.readConfiguration);
  const InfoReply& received = link.discovery.lastInfoReply();
  const bool lost = s.framesBeforeLoss >= 0;
  if (!lost) {
    require(received == s.reply, "the reply kept is the one the mouse gave");
    require(outcome == expectedOutcome(s, s.reply), "the outcome is the one the reply calls for");
  } else if (!isLostFrameOutcome(outcome)) {
    const bool unanswered =
        std::all_of(received.begin(), received.end(), [](uint8_t b) { return b == 0xFF; });
    require(received == s.reply || unanswered, "a lost reply reads as unanswered");
    require(outcome == expectedOutcome(s, received),
            "the outcome is the one the reply kept calls for");
  }
  if (outcome == DevInfoOutcome::Accepted)
    checkAccepted(s, link, mouse);
  else
    checkRejected(outcome, s, link, host);
  return 0;
}
