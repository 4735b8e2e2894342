#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/HidBackend.h"
#include "device/ImageMap.h"

namespace mousecfg {

// The stand-in for the mouse's firmware. It lists a mouse, a keyboard and a vendor
// collection, answers the feature-report protocol on the vendor collection (or, when
// asked, takes commands on one collection and data on another), keeps a 2048-byte
// stored block and the 256 working parameters, and can be told to misbehave.
//
// Collections, in listing order: "sim:mouse" and "sim:keyboard" (no feature reports),
// "sim:vendor" (feature and input length 8) or, split, "sim:vendor-command" (accepts
// only set-feature 0x40) and "sim:vendor-data" (only set- and get-feature 0x41), then
// "sim:other" while an unrelated device is plugged in. Every feature-length-8 collection
// of the mouse opened with ReadWrite reads the mouse's input reports 0x42.
//
// Leaving the bus (unplug, restart) kills every handle opened before: like a real
// re-enumeration, the program has to open the collections again once the mouse is back.
// A restart keeps the mouse off the bus for restartDelayMs on the clock.
//
// The firmware's own choices (what a get-feature with nothing pending answers, the
// reload on byte 164, which commands are refused) are listed in SimulatedFirmware.h.
//
// Thread-safe: one mutex guards all state; readInput waits on a condition variable in
// real time while other threads send frames.
class SimulatedMouse : public HidBackend {
 public:
  enum class Chip { I2c, Kv204 };

  struct Options {
    // The ids the built-in image makes the program look for.
    uint16_t vendorId = image::kDefaultVendorId;
    uint16_t productId = image::kDefaultProductId;
    uint16_t version = 0x0100;
    Chip chip = Chip::I2c;
    bool splitCommandAndData = false;  // command on one collection, data on another
    int restartDelayMs = 3000;         // time off the bus after command 0x0E
    // When set, the stored block is loaded from this file and saved to it after every
    // change. A file that exists but cannot be used (see blockFileProblem) is left alone:
    // the mouse starts from the built-in image and saves nothing.
    std::string persistPath;
    // Feature report length of the unrelated device; 8 makes it look like a candidate
    // collection that does not speak the protocol.
    int unrelatedFeatureReportLength = 0;
  };

  using Clock = std::function<int64_t()>;  // milliseconds

  SimulatedMouse();
  explicit SimulatedMouse(Options options, Clock clock = {});
  ~SimulatedMouse() override;

  // HidBackend
  std::vector<HidCollectionInfo> enumerate() override;
  std::shared_ptr<HidHandle> open(const std::string& path, HidAccess access) override;

  // The stored block and the working parameters (the first 256 bytes as applied).
  std::array<uint8_t, 2048> storedBlock() const;
  void setStoredBlock(std::span<const uint8_t, 2048> block);  // also resets the working parameters
  std::array<uint8_t, 256> workingParameters() const;
  uint8_t extendedByte(uint16_t address) const;
  int restartCount() const;

  // The device-information reply the mouse gives to command 0x0D (7 bytes). By default
  // it is derived from the chip: 00 5A C0 ... for I2C, 00 5A 40 00 00 1A 00 for KV204.
  void setDeviceInfoReply(std::array<uint8_t, 7> reply);
  void setChip(Chip chip);

  // Plugging: an unplugged mouse is not listed and every frame on its handles fails.
  void plug();
  void unplug();
  bool isPlugged() const;  // plugged in and not restarting, i.e. listed
  // Another, unrelated HID device appears or disappears (changes the collection count).
  void plugUnrelatedDevice(bool present);

  // The mouse's own buttons: they change its state and send input report 0x42, first
  // the press event, then the release (event 0x00).
  void pressDpiButton();      // next DPI level of those enabled (byte 166)
  void pressProfileButton();  // toggles the profile (low nibble of byte 164)

  // Faults.
  void refuseFrames(bool refuse);         // every set and get feature fails
  void refuseCommandFrames(bool refuse);  // set feature on report 0x40 fails
  // Unplugs once this many further feature frames reached the mouse: frame n + 1 fails
  // and the mouse is no longer listed. 0 unplugs at once, a negative count cancels.
  void unplugAfterFrames(int frames);
  // Feature frames that reached the mouse so far, refused ones included: the count the
  // faults above are armed in.
  int framesSeen() const;
  // Refuses one frame, the one after this many further feature frames, and then answers
  // again: a frame lost on the bus. A negative count cancels.
  void refuseOneFrameAfter(int frames);
  void setGarbageReplies(bool garbage);  // get-feature replies carry random bytes
  // Garbage replies from the frame after this many further feature frames on (until
  // setGarbageReplies(false)); a negative count cancels.
  void garbageRepliesAfterFrames(int frames);
  void setLatencyMicroseconds(int micros);  // every frame takes this long
  // Count flicker: the next n enumerations report one collection too many ("sim:phantom",
  // which opens but answers nothing).
  void flickerCollectionCount(int enumerations);

  // Every frame in order, one line each: "S 40 09 ..." sent, "G 41 ..." reply,
  // "I 42 ..." input report delivered. Only frames the mouse accepted are recorded:
  // a refused or failed set-feature, get-feature or read leaves no line. Frames are kept
  // raw and formatted only here, so tracing costs little when nobody reads it. The
  // oldest lines are dropped beyond a million frames.
  std::vector<std::string> trace() const;
  void clearTrace();
  // Called with each trace line as it happens (for MOUSECFG_TRACE), under the mouse's
  // lock so lines arrive in trace order; the sink must not call back into the mouse.
  void setTraceSink(std::function<void(const std::string&)> sink);
  // Why the file named by persistPath is not used; empty when it is, or none is named.
  const std::string& blockFileProblem() const { return blockFileProblem_; }
  // Called when the stored block could not be saved to its file, with the reason; once
  // for each new reason, not again until a save succeeded. Called under the mouse's lock
  // from whichever thread changed the block; the sink must not call back into the mouse.
  void setBlockFileErrorSink(std::function<void(const std::string&)> sink);
  // Blocks until `count` readers wait in readInput; false when they did not in time.
  bool waitForBlockedReaders(int count, std::chrono::milliseconds timeout);

  struct State;  // shared with the handles

 private:
  std::shared_ptr<State> state_;
  std::string blockFileProblem_;
};

// "S 40 09 00 00 08 00 00 00": a direction letter and the frame in upper-case hex.
std::string formatTraceLine(char direction, std::span<const uint8_t> frame);

}  // namespace mousecfg
