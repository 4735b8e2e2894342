#pragma once

#include <utility>

namespace mousecfg {

// Gives a flag one value for as long as it lives and another when it ends: a flag that
// holds off handlers is never set and restored by hand, so an early return cannot
// leave it set.
class [[nodiscard]] ScopedFlag {
 public:
  ScopedFlag(bool& flag, bool during, bool after) : flag_(&flag), after_(after) { flag = during; }
  // Puts back the value the flag had before.
  ScopedFlag(bool& flag, bool during) : ScopedFlag(flag, during, flag) {}
  ScopedFlag(ScopedFlag&& other) noexcept
      : flag_(std::exchange(other.flag_, nullptr)), after_(other.after_) {}
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;
  ScopedFlag& operator=(ScopedFlag&&) = delete;
  ~ScopedFlag() {
    if (flag_) *flag_ = after_;
  }

 private:
  bool* flag_;
  bool after_;
};

}  // namespace mousecfg
