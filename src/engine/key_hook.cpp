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
  unseen_.set();
  return installed_;
}

void KeyHook::Detach() {
  if (installed_) input_.RemoveHook();
  installed_ = false;
}

void KeyHook::LoseSight() {
  unseen_.set();
  altGrControlSwallowed_ = false;  // an up whose down went unseen goes on
  if (client_) client_->ReleasePressedKeys();
}

bool KeyHook::InstallKeyHook() {
  hookedForMapping_ = true;
  if (installed_) return false;
  return Attach();
}

bool KeyHook::RemoveKeyHook() {
  hookedForMapping_ = false;
  LoseSight();
  if (!keyboardLocked_) Detach();
  return true;
}

void KeyHook::LockKeyboard() {
  keyboardLocked_ = true;
  // The hook still sees every key, but the dispatcher no longer hears of their releases.
  if (client_) client_->ReleasePressedKeys();
  if (!installed_) Attach();
}

void KeyHook::UnlockKeyboard() {
  keyboardLocked_ = false;
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
  LoseSight();
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

bool KeyHook::HeldElsewhere(std::uint32_t vk, bool down) {
  if (unseen_[vk]) {
    unseen_[vk] = false;
    // After a loss the system's key state tells whether a down went by while the hook could
    // not see (a down the hook swallows never reaches it). An unseen up goes on in any case.
    passedDown_[vk] = !down || (input_.AsyncKeyState(static_cast<int>(vk)) & 0x8000);
  }
  return passedDown_[vk];
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
  std::uint32_t vk = event.vkCode & 0xFF;
  bool marked = (event.flags & platform::kLlkhfInjected) && event.extraInfo == kInjectionMarker;
  if (keyboardLocked_) {
    // The releases the program injected as the lock came on, and the ups of keys the programs
    // may hold down, still reach the programs: no key stays down behind the lock.
    bool elsewhere = HeldElsewhere(vk, down);
    if (down) return HookAnswer::Swallow;
    passedDown_[vk] = false;
    return marked || elsewhere ? HookAnswer::PassOn : HookAnswer::Swallow;
  }
  try {
    return Decide(event, down, marked);
  } catch (const std::exception& e) {
    errors_.PostError(e.what());
  } catch (...) {
  }
  passedDown_[vk] = down;
  return HookAnswer::PassOn;
}

HookAnswer KeyHook::Decide(const KeyEvent& event, bool down, bool marked) {
  std::uint32_t vk = event.vkCode & 0xFF;
  int expected = channel_.TakeTempCode();
  bool injected = event.flags & platform::kLlkhfInjected;
  if (marked || (injected && static_cast<int>(event.vkCode) == expected)) {
    return HookAnswer::PassOn;
  }
  if (!intercepted_.valid()) {
    // A settings file the program cannot read (its error is shown) leaves every key alone.
    passedDown_[vk] = down;
    return HookAnswer::PassOn;
  }
  if (!injected && vk == kLeftCtrl && event.scanCode == platform::kAltGrControlScan) {
    return AltGrControl(down);
  }

  // The decision comes from the settings file's snapshot in memory: nothing here waits for
  // the disk. The client makes sure of the focused program first: it decides what is
  // swallowed too.
  bool here = !client_ || client_->InterceptsHere(static_cast<int>(vk));
  bool listed = intercepted_.Contains(event.vkCode) && here;
  bool elsewhere = HeldElsewhere(vk, down);
  bool swallow = listed && (down || !elsewhere);
  bool wanted = listed || !client_ || client_->HandlesKey(static_cast<int>(vk));
  std::uint32_t window = wanted ? channel_.ReadHandle() : 0;
  // Without a window of our own, the program is not running its engine: pass the event on.
  // (Broadcasting the private messages would reach every program's windows.)
  bool tell = window != 0 && IsOwnWindow(window);
  if (!tell) swallow = false;
  // A repeat swallowed after the key got mapped leaves the program's key down all the same.
  passedDown_[vk] = down && (elsewhere || !swallow);
  if (tell) Tell(window, static_cast<int>(vk), down);
  return swallow ? HookAnswer::Swallow : HookAnswer::PassOn;
}

void KeyHook::Tell(std::uint32_t window, int vk, bool down) {
  if (!client_) {
    windows_.Send(window, down ? WM_HOOKKEYDOWN : WM_HOOKKEYUP, static_cast<std::uintptr_t>(vk));
    return;
  }
  // Called directly, as the window procedure would have been (same thread): no message, no
  // call to the system. Its error does not change what happens to the event.
  try {
    if (down) {
      client_->WMHookKeyDown(vk);
    } else {
      client_->WMHookKeyUp(vk);
    }
  } catch (const std::exception& e) {
    errors_.PostError(e.what());
  }
}

HookAnswer KeyHook::AltGrControl(bool down) {
  // Not the Left Ctrl key: its mapping never applies. It goes where its Right Alt goes, so a
  // mapped Right Alt (whose press follows at once) takes it along, and its release follows
  // its press either way.
  if (down) {
    // In a program that passes Right Alt ("Off", "Unchanged"), the pair goes on together.
    bool here = !client_ || client_->InterceptsHere(static_cast<int>(kRightAlt));
    altGrControlSwallowed_ =
        intercepted_.Contains(kRightAlt) && here && IsOwnWindow(channel_.ReadHandle());
  }
  bool swallow = altGrControlSwallowed_;
  if (!down) altGrControlSwallowed_ = false;
  return swallow ? HookAnswer::Swallow : HookAnswer::PassOn;
}

}  // namespace zv
