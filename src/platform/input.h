#pragma once
// The keyboard: the low-level hook, injected keystrokes, key mapping and the input clock.
#include <cstddef>
#include <cstdint>

#include "platform/key_state.h"

namespace zv::platform {

// The hook's window messages (wParam of a WH_KEYBOARD_LL callback).
inline constexpr unsigned kWmKeyDown = 0x100;
inline constexpr unsigned kWmKeyUp = 0x101;
inline constexpr unsigned kWmSysKeyDown = 0x104;
inline constexpr unsigned kWmSysKeyUp = 0x105;

// KBDLLHOOKSTRUCT flags and the KEYBDINPUT (SendInput) flags.
inline constexpr std::uint32_t kLlkhfExtended = 0x1;
inline constexpr std::uint32_t kLlkhfInjected = 0x10;
// The scan code Windows gives the Left Ctrl press it sends ahead of Right Alt on layouts with
// AltGr (German, French, Polish, ...): the 0x200 bit marks it as made by the layout, not typed.
inline constexpr std::uint32_t kAltGrControlScan = 0x21D;
inline constexpr std::uint32_t kKeyEventfExtendedKey = 0x1;
inline constexpr std::uint32_t kKeyEventfKeyUp = 0x2;

// The mouse button presses as the low-level mouse hook tells them.
inline constexpr unsigned kWmLButtonDown = 0x201;
inline constexpr unsigned kWmRButtonDown = 0x204;
inline constexpr unsigned kWmMButtonDown = 0x207;
inline constexpr unsigned kWmXButtonDown = 0x20B;

// One keyboard event to inject (a KEYBDINPUT), or a mouse button press (a MOUSEINPUT).
struct KeyInput {
  std::uint8_t vk = 0;
  std::uint16_t scan = 0;
  std::uint32_t flags = 0;  // kKeyEventfKeyUp, kKeyEventfExtendedKey
  std::uintptr_t extraInfo = 0;
  unsigned mouseDown = 0;       // not a key: the press of this message's button (kWmLButtonDown...)
  std::uint32_t mouseData = 0;  // which X button, for kWmXButtonDown
};

// Mouse button presses, while the engine asks for them.
class MouseButtonSink {
 public:
  virtual ~MouseButtonSink() = default;
  // A press of a button (message kWmLButtonDown ...) that no program injected. True holds it
  // back: the sink sends it again itself. Must not throw or block.
  virtual bool OnMouseButton(unsigned message, std::uint32_t mouseData) noexcept = 0;
};

// One event as the low-level hook sees it.
struct KeyEvent {
  unsigned message = kWmKeyDown;
  std::uint32_t vkCode = 0;
  std::uint32_t scanCode = 0;
  std::uint32_t flags = 0;
  std::uint32_t time = 0;  // tick count of the event
  std::uintptr_t extraInfo = 0;
};

// What the hook procedure answers for one event.
enum class HookAnswer {
  PassOn,   // CallNextHookEx: the event goes on to the other hooks and the focused program
  Swallow,  // return 1: nobody else sees the event
  Ignore,   // return 0 without calling the next hook (messages that are not key events)
};

// The logic behind the hook procedure. Called on the thread that installed the hook; must not
// throw and must not block.
class KeyHookSink {
 public:
  virtual ~KeyHookSink() = default;
  virtual HookAnswer OnKeyEvent(const KeyEvent& event) noexcept = 0;
};

class Input : public KeyState {
 public:
  // SetWindowsHookExA(WH_KEYBOARD_LL) for all threads of the desktop, delivering to sink.
  // False when the system refuses. One hook at a time.
  virtual bool InstallHook(KeyHookSink& sink) = 0;
  // Installs a new hook first and only then removes the old one, so no key slips past
  // between the two. False when the system refuses the new one (the old one stays).
  virtual bool ReplaceHook(KeyHookSink& sink) = 0;
  // UnhookWindowsHookEx of the installed hook, if any.
  virtual void RemoveHook() = 0;
  // SendInput: the events enter the input stream as one piece, so no other key (typed or
  // injected by another program) comes between them. False when none went in (another desktop
  // has the input: the lock screen, a prompt for an administrator).
  virtual bool SendKeys(const KeyInput* keys, std::size_t count) = 0;
  // A low-level mouse hook (WH_MOUSE_LL) that tells sink of button presses; nullptr removes it.
  virtual void WatchMouseButtons(MouseButtonSink* sink) = 0;
  // MapVirtualKeyA.
  virtual unsigned MapKey(unsigned code, unsigned mapType) = 0;
  // GetKeyboardLayout(0): the keyboard layout of the calling thread, which is the one MapKey
  // follows.
  virtual std::uintptr_t KeyboardLayout() = 0;
  // GetTickCount, and the tick of the last keyboard input the system received (raw input, so
  // mouse movement does not count; same clock).
  virtual std::uint32_t TickCount() = 0;
  virtual std::uint32_t LastKeyboardInputTick() = 0;
};

}  // namespace zv::platform
