#pragma once
// The program's one low-level keyboard hook: the adapter between the system and the engine's
// decision (KeyDecision, held by the dispatcher, its client). For every key event:
//
//   event                                    | answer                  | the decision
//   not a key message                        | ignored                 | -
//   injected with the program's marker       | passed on               | -
//   keyboard locked                          | as the decision says    | presses swallowed; a
//                                            | (no channel, no file)   | release as its press
//   intercepted list unreadable              | passed on               | the loss, once
//   any other (typed, or another program's   | as the decision says    | press, repeat, release:
//   injection, whatever "TempCode" holds)    |                         | see key_decision.h
//
// Outside the lock the hook reads and resets "TempCode" on every event (from memory; the
// registry write is posted). Only the marker makes an event the program's own: another
// program's injection of a mapped key is mapped, also when its code equals "TempCode".
//
// The hook gives the decision what it needs from the system: whether the key is listed in the
// intercepted list ("DisableKey", from the settings file's snapshot), for a press whether the
// key is mapped in the focused program (the client may ask which window has the focus) and,
// only then, whether the published main window is the program's own (the engine runs); after
// a loss of sight, whether the system holds the key down. An unmapped key costs no call to the
// system. An error (a registry failure) never leaves the procedure: that event is passed on
// and the text is posted, to be shown after the hook has returned. Without a client every
// event is passed on (and swallowed while the keyboard is locked).
//
// Whenever the program loses sight of the keyboard (the hook installed, removed or reinstalled
// after the system dropped it, the keyboard locked or unlocked), the client releases every key
// the program pressed, once, through the decision's one path, and the actions drop the keys
// they still had to press.
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

  // The dispatcher, called from the hook.
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
  // The engine or the lock wants the hook, the loop runs, and the system refused it.
  bool refused() const {
    return (hookedForMapping_ || keyboardLocked_) && loopRuns_ && !installed_;
  }
  bool KeyboardLocked() const { return keyboardLocked_; }
  bool HookedForMapping() const { return hookedForMapping_; }
  // Tick of the last event the hook saw, or of its installation when that was later.
  std::uint32_t lastSeenTick() const { return lastSeenTick_; }

 private:
  bool Attach();
  void Detach();
  // The one path for every loss of sight: the client releases what the program pressed.
  // keysUnseen: events may have gone by unseen (no hook, or another desktop).
  void LoseSight(bool keysUnseen);
  platform::HookAnswer Decide(const platform::KeyEvent& event, bool down);
  bool IsOwnWindow(std::uint32_t window);

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
  HookClient* client_ = nullptr;
  std::uint32_t checkedWindow_ = 0;
  bool ownWindow_ = false;
};

}  // namespace zv
