#pragma once
// The keyboard for native tests, as Windows behaves: every event, typed or injected, runs
// through the installed hook first; what the hook passes on reaches the focused program (the
// `received` log) and the key state table. Events injected while the hook procedure runs are
// queued and reach the hook after it has returned, as the system's input queue delivers them.
#include <bitset>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/input.h"

namespace zv::fake {

class FakeInput : public platform::Input {
 public:
  bool InstallHook(platform::KeyHookSink& sink) override;
  void RemoveHook() override;
  void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                  std::uintptr_t extraInfo) override;
  unsigned MapKey(unsigned code, unsigned mapType) override;
  short AsyncKeyState(int virtualKey) override;
  std::uint32_t TickCount() override { return now; }
  std::uint32_t LastInputTick() override { return lastInput_; }

  // Test controls.
  // A key of the physical keyboard goes down or up (WM_KEYDOWN/WM_KEYUP; sys: the SYS pair).
  void Press(int vk, bool down, bool sys = false);
  // The system drops the hook without telling the program (what Windows 7 and later do to a
  // hook that answered too slowly): events no longer reach it, though it counts as installed.
  void DropHookSilently() { dropped_ = true; }
  void RefuseInstall(bool refuse) { refuseInstall_ = refuse; }
  bool hookInstalled() const { return sink_ != nullptr; }
  bool hookLive() const { return sink_ != nullptr && !dropped_; }
  bool anyKeyDown() const { return down_.any(); }

  std::uint32_t now = 1000;                   // the tick clock; tests move it
  std::vector<platform::KeyEvent> injected;   // every keybd_event call, in order
  std::vector<platform::KeyEvent> received;   // what the focused program got
  std::vector<platform::HookAnswer> answers;  // the hook's answer for every event it saw
  int installs = 0;

 private:
  void Deliver(const platform::KeyEvent& event);
  void Drain();

  platform::KeyHookSink* sink_ = nullptr;
  bool dropped_ = false;
  bool refuseInstall_ = false;
  int depth_ = 0;  // > 0 while the hook procedure runs
  std::deque<platform::KeyEvent> queue_;
  std::bitset<256> down_;
  std::uint32_t lastInput_ = 0;
};

}  // namespace zv::fake
