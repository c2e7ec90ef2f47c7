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
      intercepted_(settings) {}

KeyHook::~KeyHook() {
  Detach();
}

bool KeyHook::Attach() {
  installed_ = input_.InstallHook(*this);
  lastSeenTick_ = input_.TickCount();
  return installed_;
}

void KeyHook::Detach() {
  if (installed_) input_.RemoveHook();
  installed_ = false;
}

bool KeyHook::InstallKeyHook() {
  hookedForMapping_ = true;
  if (installed_) return false;
  return Attach();
}

bool KeyHook::RemoveKeyHook() {
  hookedForMapping_ = false;
  if (!keyboardLocked_) Detach();
  return true;
}

void KeyHook::LockKeyboard() {
  keyboardLocked_ = true;
  if (!installed_) Attach();
}

void KeyHook::UnlockKeyboard() {
  keyboardLocked_ = false;
  if (!hookedForMapping_) Detach();
}

void KeyHook::ReinstallKeyHook() {
  if (!installed_ && !hookedForMapping_ && !keyboardLocked_) return;
  Detach();
  Attach();
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
  if (keyboardLocked_) return HookAnswer::Swallow;
  std::uint32_t vk = event.vkCode & 0xFF;
  try {
    return Decide(event, down);
  } catch (const std::exception& e) {
    errors_.PostError(e.what());
  } catch (...) {
  }
  passedDown_[vk] = down;
  return HookAnswer::PassOn;
}

HookAnswer KeyHook::Decide(const KeyEvent& event, bool down) {
  std::uint32_t vk = event.vkCode & 0xFF;
  std::uint32_t window = channel_.ReadHandle();
  int expected = channel_.TakeTempCode();
  bool marked = (event.flags & platform::kLlkhfInjected) && event.extraInfo == kInjectionMarker;
  if (static_cast<int>(event.vkCode) == expected || marked) return HookAnswer::PassOn;

  // The decision comes from the settings file's snapshot in memory: nothing here waits for
  // the disk.
  bool swallow = intercepted_.Contains(event.vkCode);
  if (!down && passedDown_[vk]) swallow = false;
  // Without a window of our own to tell, nobody would carry the mapping out: pass the event on.
  // (Broadcasting the private messages would reach every program's windows.)
  bool tell = window != 0 && windows_.IsOwnWindow(window);
  if (!tell) swallow = false;
  // A repeat swallowed after the key got mapped leaves the program's key down all the same.
  passedDown_[vk] = down && (passedDown_[vk] || !swallow);
  if (tell) {
    windows_.Send(window, down ? WM_HOOKKEYDOWN : WM_HOOKKEYUP, event.vkCode);
  }
  return swallow ? HookAnswer::Swallow : HookAnswer::PassOn;
}

}  // namespace zv
