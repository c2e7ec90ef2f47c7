#pragma once
// Windows 7 and later remove a low-level hook that answered too slowly, without telling the
// program. The watchdog runs every few seconds while the hook is installed: when the system has
// seen keyboard input (raw input, so moving the mouse does not count) newer than the last event
// the hook saw, the hook has lost its place and is installed again, the new hook before the old
// one is removed; what the program pressed meanwhile is released. A hook the system refused is
// asked for again at every look.
//
// The session's changes come here too. While the session is away (locked, switched to another
// user, asleep, behind a UAC prompt) the keys go to another desktop or nowhere: the hook sees none
// of them, and the releases the program would inject are refused, so nothing is done then, not even
// by the timer. When the session is back, the keyboard is recovered as after a dropped hook.
#include <bitset>
#include <cstdint>

#include "engine/key_hook.h"
#include "platform/input.h"

namespace zv {

// What the main window hears of the session (WM_WTSSESSION_CHANGE, WM_POWERBROADCAST, the
// switches of the input desktop), in pairs: away, then back. The reasons overlap (a computer that
// asks for the password on waking is locked before it sleeps and unlocked after it resumed): the
// keyboard is back when the last of them ends.
enum class SessionEvent {
  Locked,
  Unlocked,
  Disconnected,  // from the console or a remote desktop (another user's session took over)
  Connected,
  Suspending,    // the computer goes to sleep or hibernates
  Resumed,       // may come twice: by itself, then for the user
  OtherDesktop,  // another desktop has the input: the secure desktop of a UAC prompt
  OwnDesktop,
};

class HookWatchdog {
 public:
  static constexpr std::uint32_t kIntervalMs = 3000;  // how often the main window calls Check
  static constexpr std::uint32_t kSlackMs = 500;      // input this close to an event is that event

  HookWatchdog(KeyHook& hook, platform::Input& input) : hook_(hook), input_(input) {}
  // True when it (re)installed the hook.
  bool Check();
  void OnSessionEvent(SessionEvent event);

 private:
  KeyHook& hook_;
  platform::Input& input_;
  std::bitset<4> away_;  // per pair of events
};

}  // namespace zv
