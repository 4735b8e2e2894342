#pragma once

namespace mousecfg {

// What a channel operation did: how many feature frames it tried, and how many of them
// the mouse refused or did not answer. An operation that could not start (no device
// open, a length the protocol cannot carry) tried none and failed. Results add up, so a
// write of several sections reports the frames of all of them.
class [[nodiscard]] TransferResult {
 public:
  static TransferResult notStarted() { return TransferResult(0, 0, false); }
  static TransferResult ofFrame(bool accepted) { return TransferResult(1, accepted ? 0 : 1, true); }
  TransferResult() = default;  // nothing to do: succeeded

  int frames() const { return frames_; }
  int failedFrames() const { return failed_; }
  bool started() const { return started_; }
  bool ok() const { return started_ && failed_ == 0; }
  explicit operator bool() const { return ok(); }

  TransferResult& operator+=(const TransferResult& more) {
    frames_ += more.frames_;
    failed_ += more.failed_;
    started_ = started_ && more.started_;
    return *this;
  }
  friend TransferResult operator+(TransferResult a, const TransferResult& b) { return a += b; }

 private:
  TransferResult(int frames, int failed, bool started)
      : frames_(frames), failed_(failed), started_(started) {}

  int frames_ = 0;
  int failed_ = 0;
  bool started_ = true;
};

}  // namespace mousecfg
