#pragma once
// The keyboard for native tests, as Windows behaves: every event, typed or injected, runs
// through the installed hook first; what the hook passes on reaches the focused program (the
// `received` log) and the key state table. Events injected while the hook procedure runs are
// queued and reach the hook after it has returned, as the system's input queue delivers them.
// It is as unkind as Windows where it matters: the system may drop the hook without a word,
// and an injected key press may never arrive (another program's hook swallowed it).
#include <bitset>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/input.h"

namespace zv::fake {

class FakeInput : public platform::Input {
 public:
  bool InstallHook(platform::KeyHookSink& sink) override;
  bool ReplaceHook(platform::KeyHookSink& sink) override;
  void RemoveHook() override;
  bool SendKeys(const platform::KeyInput* keys, std::size_t count) override;
  void WatchMouseButtons(platform::MouseButtonSink* sink) override { mouseSink_ = sink; }
  unsigned MapKey(unsigned code, unsigned mapType) override;
  std::uintptr_t KeyboardLayout() override { return layout; }
  short AsyncKeyState(int virtualKey) override;
  std::uint32_t TickCount() override { return now; }
  std::uint32_t LastKeyboardInputTick() override { return lastInput_; }

  // Test controls.
  // A key of the physical keyboard goes down or up (WM_KEYDOWN/WM_KEYUP; sys: the SYS pair).
  void Press(int vk, bool down, bool sys = false);
  // AltGr on a layout that has it: the Left Ctrl event Windows makes up (kAltGrControlScan),
  // then Right Alt, both ways.
  void PressAltGr(bool down);
  // Another program's SendInput (an on-screen keyboard, a remote-desktop client): injected,
  // without this program's marker.
  void InjectForeign(int vk, bool down, unsigned scan = 0);
  // A left mouse button press: given to the watching sink first; what reaches the program is
  // noted in `received` as the key VK_LBUTTON (1) going down.
  void ClickMouse();
  bool mouseWatched() const { return mouseSink_ != nullptr; }
  // The system drops the hook without telling the program (what Windows 7 and later do to a
  // hook that answered too slowly): events no longer reach it, though it counts as installed.
  void DropHookSilently() { dropped_ = true; }
  void RefuseInstall(bool refuse) { refuseInstall_ = refuse; }
  // The keyboard goes to another desktop (the secure desktop of a lock, another user's
  // session, or nowhere while asleep): typed keys change the system's key state and count as
  // keyboard input, but reach neither the hook nor the focused program; injections are refused.
  void LeaveDesktop() { away_ = true; }
  void ReturnToDesktop() { away_ = false; }
  // The next count injected key presses never arrive: neither the hook nor the focused program
  // sees them. (Only presses: a lost release would leave a key down whatever the program does.)
  void LoseInjectedPresses(int count) { losePresses_ = count; }
  bool hookInstalled() const { return sink_ != nullptr; }
  bool hookLive() const { return sink_ != nullptr && !dropped_; }
  bool anyKeyDown() const { return down_.any(); }

  std::uint32_t now = 1000;  // the tick clock; tests move it
  static constexpr std::uintptr_t kUs = 0x4090409, kFrench = 0x40C040C;
  std::uintptr_t layout = kUs;  // kFrench: A and Q, Z and W trade scan codes
  int mapKeyCalls = 0;
  std::vector<platform::KeyEvent> injected;   // every injected event, in order
  std::vector<std::size_t> batches;           // the size of every SendInput call
  std::vector<platform::KeyEvent> received;   // what the focused program got
  std::vector<platform::HookAnswer> answers;  // the hook's answer for every event it saw
  int installs = 0;

 private:
  void Deliver(const platform::KeyEvent& event);
  unsigned ScanOf(unsigned code) const;  // MapVirtualKeyA type 0 on the current layout
  void Drain();

  platform::KeyHookSink* sink_ = nullptr;
  platform::MouseButtonSink* mouseSink_ = nullptr;
  bool dropped_ = false;
  bool refuseInstall_ = false;
  bool away_ = false;
  int losePresses_ = 0;
  int depth_ = 0;  // > 0 while the hook procedure runs
  std::deque<platform::KeyEvent> queue_;
  std::bitset<256> down_;
  std::uint32_t lastInput_ = 0;
};

}  // namespace zv::fake
