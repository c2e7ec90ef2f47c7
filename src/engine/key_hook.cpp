#include "engine/key_hook.h"

#include <exception>

#include "engine/hook_messages.h"

namespace zv {

using platform::HookAnswer;
using platform::KeyEvent;

KeyHook::KeyHook(platform::Input& input, RegistryChannel& channel, SettingsFile& settings,
                 platform::WindowMessages& windows, ErrorReporter& errors)
    : input_(input),
      channel_(channel),
      windows_(windows),
      errors_(errors),
      intercepted_(settings, errors) {}

KeyHook::~KeyHook() {
  Detach();
}

bool KeyHook::Attach() {
  if (!loopRuns_) return false;  // MessageLoopRuns installs it
  installed_ = input_.InstallHook(*this);
  lastSeenTick_ = input_.TickCount();
  LoseSight(true);  // what happened before this hook went by unseen
  return installed_;
}

void KeyHook::Detach() {
  if (installed_) input_.RemoveHook();
  installed_ = false;
}

void KeyHook::LoseSight(bool keysUnseen) {
  if (client_) client_->LoseSight(keysUnseen);
}

bool KeyHook::InstallKeyHook() {
  hookedForMapping_ = true;
  if (installed_) return false;
  return Attach();
}

bool KeyHook::RemoveKeyHook() {
  hookedForMapping_ = false;
  LoseSight(true);
  if (!keyboardLocked_) Detach();
  return true;
}

void KeyHook::LockKeyboard() {
  keyboardLocked_ = true;
  LoseSight(false);  // the hook still sees every key: each release acts on its press
  if (!installed_) Attach();
}

void KeyHook::UnlockKeyboard() {
  keyboardLocked_ = false;
  LoseSight(false);
  if (!hookedForMapping_) Detach();
}

void KeyHook::ReinstallKeyHook() {
  if (!hookedForMapping_ && !keyboardLocked_) return;  // RemoveKeyHook released everything
  if (installed_) {
    input_.ReplaceHook(*this);  // refused: the old hook stays, maybe alive after all
    lastSeenTick_ = input_.TickCount();
  } else {
    Attach();  // the system refused it before, or the loop does not run yet
  }
  LoseSight(true);
}

void KeyHook::MessageLoopRuns() {
  loopRuns_ = true;
  if ((hookedForMapping_ || keyboardLocked_) && !installed_) Attach();
}

bool KeyHook::IsOwnWindow(std::uint32_t window) {
  // The published window stays the same while the program runs: asked once, not per event.
  if (window != checkedWindow_) {
    checkedWindow_ = window;
    ownWindow_ = windows_.IsOwnWindow(window);
  }
  return ownWindow_;
}

HookAnswer KeyHook::KeyHookProc(const KeyEvent& event) noexcept {
  bool down;
  switch (event.message) {
    case platform::kWmKeyDown:
    case platform::kWmSysKeyDown:
      down = true;
      break;
    case platform::kWmKeyUp:
    case platform::kWmSysKeyUp:
      down = false;
      break;
    default:
      return HookAnswer::Ignore;
  }
  lastSeenTick_ = event.time;
  bool marked = (event.flags & platform::kLlkhfInjected) && event.extraInfo == kInjectionMarker;
  try {
    if (!keyboardLocked_) channel_.TakeTempCode();
    if (marked) return HookAnswer::PassOn;
    return Decide(event, down);
  } catch (const std::exception& e) {
    errors_.PostError(e.what());
  } catch (...) {
  }
  return HookAnswer::PassOn;
}

HookAnswer KeyHook::Decide(const KeyEvent& event, bool down) {
  KeyIn in;
  in.vk = static_cast<int>(event.vkCode & 0xFF);
  in.down = down;
  in.time = event.time;
  in.locked = keyboardLocked_;
  in.altGrControl = in.vk == kLeftCtrl && event.scanCode == platform::kAltGrControlScan;
  in.readable = intercepted_.valid();
  // AltGr's Left Ctrl goes where its Right Alt goes.
  int key = in.altGrControl ? static_cast<int>(kRightAlt) : in.vk;
  in.listed = in.readable && intercepted_.Contains(static_cast<std::uint32_t>(key));
  if (client_ && !in.altGrControl && client_->Unseen(in.vk)) {
    in.heldBySystem = input_.AsyncKeyState(in.vk) & 0x8000;
  }
  if (down && !in.locked && in.readable) {
    // Without a window of our own the program is not running its engine: no key is mapped.
    bool mapped = client_ && client_->Maps(key);
    in.ready = (in.listed || mapped) && IsOwnWindow(channel_.ReadHandle());
  }
  if (!client_) return in.locked ? HookAnswer::Swallow : HookAnswer::PassOn;
  return client_->OnKeyEvent(in) ? HookAnswer::Swallow : HookAnswer::PassOn;
}

}  // namespace zv
