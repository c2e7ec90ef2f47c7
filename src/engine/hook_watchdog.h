#pragma once
// Windows 7 and later remove a low-level hook that answered too slowly, without telling the
// program. The watchdog runs every few seconds while the hook is installed: when the system has
// seen keyboard input (raw input, so moving the mouse does not count) newer than the last event
// the hook saw, the hook has lost its place and is installed again, the new hook before the old
// one is removed; what the program pressed meanwhile is released.
#include <cstdint>

#include "engine/key_hook.h"
#include "platform/input.h"

namespace zv {

class HookWatchdog {
 public:
  static constexpr std::uint32_t kIntervalMs = 3000;  // how often the main window calls Check
  static constexpr std::uint32_t kSlackMs = 500;      // input this close to an event is that event

  HookWatchdog(KeyHook& hook, platform::Input& input) : hook_(hook), input_(input) {}
  // True when it reinstalled the hook.
  bool Check();

 private:
  KeyHook& hook_;
  platform::Input& input_;
};

}  // namespace zv
