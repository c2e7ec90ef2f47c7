#pragma once
// The program's one low-level keyboard hook. For every key event it decides whether the event
// is swallowed, whether the dispatcher is told (called directly: no message, no call to the
// system; without a client the main window gets WM_HOOKKEYDOWN / WM_HOOKKEYUP), and whether it
// goes on to the next hook:
//
//   code in the intercepted list | code is the program's own | swallowed | told | passed on
//   no                           | no                        | no        | yes  | yes
//   no                           | yes                       | no        | no   | yes
//   yes                          | no                        | yes       | yes  | no
//   yes                          | yes                       | no        | no   | yes
//
// "Own" means the event was injected with the program's marker, or injected with the code
// announced in "TempCode" (read and reset to 0 on every event). A typed key is never the
// program's own, whatever "TempCode" holds: an announced injection that never arrived must not
// make the next real press of that key pass unmapped. The dispatcher is told only when it has
// something to do for the key (HookClient::HandlesKey), and only while the published main
// window is the program's own. An unmapped key costs no call to the system. While the keyboard
// is locked every event is swallowed and nothing else happens. The hook stays installed while
// either the lock or the engine needs it. An error (a registry failure) never leaves the
// procedure: that event is passed on unreported and the text is posted, to be shown after the
// hook has returned. While the intercepted-code list cannot be read (a hand-edited entry that
// is not a number, reported as the file is taken in) every event is passed on unreported.
//
// AltGr: on layouts that have it, Windows sends a Left Ctrl press of its own making
// (kAltGrControlScan) just before Right Alt, and its release with Right Alt's. That event is not
// the Left Ctrl key: it passes untouched, unless Right Alt is intercepted, which then takes it
// along (swallowed both ways).
//
// A listed code is swallowed only where the dispatcher's focused program wants it
// (HookClient::InterceptsHere): not in a program switched off, not for a key the program keeps
// unchanged, not for a key only other programs map.
//
// Whenever the program loses sight of the keyboard (the hook removed, reinstalled after the
// system dropped it, the keyboard locked), the client releases every key the program pressed.
// The key-up of a key whose key-down the hook did not see goes on to the programs: passing an
// up they did not need is harmless, swallowing one they needed leaves a key down.
#include <bitset>
#include <cstdint>

#include "engine/error_reporter.h"
#include "engine/hook_client.h"
#include "engine/intercepted_list.h"
#include "engine/registry_channel.h"
#include "platform/input.h"
#include "platform/window_messages.h"
#include "settings/settings_file.h"

namespace zv {

class KeyHook : public platform::KeyHookSink {
 public:
  KeyHook(platform::Input& input, RegistryChannel& channel, SettingsFile& settings,
          platform::WindowMessages& windows, ErrorReporter& errors);
  ~KeyHook() override;
  KeyHook(const KeyHook&) = delete;
  KeyHook& operator=(const KeyHook&) = delete;

  // The dispatcher, called from the hook. Without one, every event is sent to the window as a
  // message and nothing is released.
  void SetClient(HookClient* client) { client_ = client; }

  // The engine wants the hook. True when this call installed it; false when it was already
  // there or the system refused.
  bool InstallKeyHook();
  // The engine no longer wants the hook (suspended, or the program ends); it stays while the
  // keyboard is locked. Releases what the program pressed. Returns true.
  bool RemoveKeyHook();
  // Locking releases what the program pressed.
  void LockKeyboard();
  void UnlockKeyboard();
  // Recovers the keyboard after the program may have lost sight of it: the system dropped the
  // hook silently (the watchdog), the session was locked, switched away, asleep or behind a UAC
  // prompt. What the program pressed is released; what it recorded of the keys the programs
  // hold is forgotten, each key's state taken from the system (AsyncKeyState) at its next
  // event, since the ups went by unseen; and, when the engine or the lock wants the hook, a
  // fresh hook goes in (the new one before the old one comes out).
  void ReinstallKeyHook();
  // Until the message loop runs, a wanted hook is not installed: the system removes a hook
  // whose thread does not answer in time, and the start at sign-in can be slow. The main
  // window holds the hook back before its loop starts, and lets it in from the loop.
  void WaitForMessageLoop() { loopRuns_ = false; }
  void MessageLoopRuns();

  platform::HookAnswer KeyHookProc(const platform::KeyEvent& event) noexcept;
  platform::HookAnswer OnKeyEvent(const platform::KeyEvent& event) noexcept override {
    return KeyHookProc(event);
  }

  bool installed() const { return installed_; }
  bool KeyboardLocked() const { return keyboardLocked_; }
  bool HookedForMapping() const { return hookedForMapping_; }
  // Tick of the last event the hook saw, or of its installation when that was later.
  std::uint32_t lastSeenTick() const { return lastSeenTick_; }

 private:
  bool Attach();
  void Detach();
  // The program cannot know what happened to the keys meanwhile.
  void LoseSight();
  platform::HookAnswer Decide(const platform::KeyEvent& event, bool down, bool marked);
  bool IsOwnWindow(std::uint32_t window);
  // Whether the programs may hold vk down: its down went on to them, or went by unseen.
  bool HeldElsewhere(std::uint32_t vk, bool down);
  void Tell(std::uint32_t window, int vk, bool down);
  platform::HookAnswer AltGrControl(bool down);

  static constexpr std::uint32_t kLeftCtrl = 0xA2, kRightAlt = 0xA5;

  platform::Input& input_;
  RegistryChannel& channel_;
  platform::WindowMessages& windows_;
  ErrorReporter& errors_;
  InterceptedList intercepted_;  // from the settings file's snapshot
  bool installed_ = false;
  bool keyboardLocked_ = false;
  bool hookedForMapping_ = false;
  bool loopRuns_ = true;
  std::uint32_t lastSeenTick_ = 0;
  // Keys whose physical down went on to the programs: their up goes on too, even when the key
  // got mapped while it was held, so no program is left with a key that never comes up.
  std::bitset<256> passedDown_;
  // Keys of which the hook has seen no event since it last lost sight of the keyboard.
  std::bitset<256> unseen_;
  HookClient* client_ = nullptr;
  std::uint32_t checkedWindow_ = 0;
  bool ownWindow_ = false;
  bool altGrControlSwallowed_ = false;  // the press AltGr made up went no further
};

}  // namespace zv
