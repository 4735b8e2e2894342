#pragma once

#include <optional>
#include <string>

#include "base/Environment.h"

namespace mousecfg {

// The names the two programs give themselves in a lock file.
inline constexpr const char* kWindowProgramName = "mousecfg";
inline constexpr const char* kCommandLineProgramName = "mousectl";

// Who holds a mouse: the process and the program's name, as its lock file says.
struct LockHolder {
  long pid = 0;
  std::string program;  // "mousecfg" (the window) or "mousectl"
};

// One program at a time talks to a mouse. The lock is an advisory flock(2) on a file
// per mouse in the user's runtime folder; the file names its holder, so the others can
// say who has the mouse. The kernel drops the lock when the holder ends, however it
// ends, so a crashed program never leaves the mouse locked.
class MouseLock {
 public:
  struct Attempt;

  // ${XDG_RUNTIME_DIR}/mousecfg/KEY.lock, or /tmp/mousecfg-UID/KEY.lock without a
  // runtime folder. The key names the mouse ("3a7e-05ed") or the simulated mouse's file.
  static std::string pathFor(const std::string& mouseKey, const EnvironmentLookup& environment);
  // Takes the lock without waiting.
  [[nodiscard]] static Attempt tryAcquire(const std::string& path, const std::string& program);

  MouseLock(MouseLock&& other) noexcept;
  MouseLock& operator=(MouseLock&&) = delete;
  MouseLock(const MouseLock&) = delete;
  MouseLock& operator=(const MouseLock&) = delete;
  ~MouseLock();

 private:
  explicit MouseLock(int fd) : fd_(fd) {}
  int fd_;
};

// What a try gave: the lock, or who holds it, or why the lock file could not be used.
struct MouseLock::Attempt {
  std::optional<MouseLock> lock;
  std::optional<LockHolder> holder;
  std::string error;
};

}  // namespace mousecfg
