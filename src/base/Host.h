#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Clock.h"

namespace mousecfg {

// Everything the core needs from the program around it: waiting while the window
// stays alive, the UI thread, the progress window, overlays and dialogs. The window
// implements it on Qt, mousectl on the console, tests with a virtual clock.
class Host {
 public:
  virtual ~Host() = default;

  // The clock the host waits on: the steady clock in the program, a virtual one in tests.
  virtual Clock& clock() = 0;
  int64_t nowMs() { return clock().nowMs(); }
  // Waits ms milliseconds of the host's clock while the window keeps processing its events.
  virtual void sleepProcessing(int ms) = 0;
  // Lets the window process pending events once.
  virtual void processMessages() = 0;
  // Runs work on the UI thread; callable from any thread.
  virtual void postToUi(std::function<void()> work) = 0;

  // The progress window: shown (re-centred over the main window) and hidden.
  virtual void showProgress() = 0;
  virtual void hideProgress() = 0;
  // The five transparent overlays that block clicks on the pages during a transfer.
  virtual void setOverlaysVisible(bool visible) = 0;

  // The program's message dialog (modal, no icon, one OK) with the text of a language key.
  virtual void showMessage(const std::string& languageKey) = 0;
  // The same dialog with a text of the program's own rather than the language tables'
  // (a file that could not be written, with the reason).
  virtual void showText(const std::string& text) = 0;
  // A standard message box with an empty caption; true when it was closed with OK.
  virtual bool confirmMessage(const std::string& languageKey) = 0;

  // The working copies changed: the window re-renders its pages from the state.
  virtual void refreshWindow() {}
};

}  // namespace mousecfg
