#pragma once
// Which program has the focus: the foreground window's executable, told as the focus moves, so
// that the keyboard hook can decide from memory.
#include <string>

namespace zv::platform {

struct ForegroundProgram {
  std::string exe;        // the executable's file name, e.g. "notepad.exe"; empty when unknown
  bool elevated = false;  // runs as administrator (or at a higher integrity than this program)
};

// Told on the UI thread, before any key event that follows the focus change.
class ForegroundSink {
 public:
  virtual ~ForegroundSink() = default;
  virtual void OnForegroundChanged(const ForegroundProgram& program) = 0;
};

class Foreground {
 public:
  virtual ~Foreground() = default;
  // Starts telling sink of every change of the foreground window, and tells it the current one
  // at once. One sink at a time; a second call replaces the first.
  virtual void Watch(ForegroundSink& sink) = 0;
  // Looks at the foreground window now and tells the sink when it is another than the one last
  // told: for a key that arrives before the focus change's event (Wine 8 sends none at all).
  // One cheap call while the window is the same.
  virtual void Recheck() = 0;
  // Stops telling; harmless when not watching.
  virtual void StopWatching() = 0;
  // Whether this program itself runs elevated.
  virtual bool SelfElevated() = 0;
};

}  // namespace zv::platform
