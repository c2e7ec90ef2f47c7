#include "platform/fake/fake_input.h"

namespace zv::fake {

using platform::HookAnswer;
using platform::KeyEvent;

namespace {
short AsyncFor(bool down) {
  return down ? static_cast<short>(0x8000) : 0;
}
}  // namespace

bool FakeInput::InstallHook(platform::KeyHookSink& sink) {
  if (refuseInstall_) return false;
  sink_ = &sink;
  dropped_ = false;
  ++installs;
  return true;
}

void FakeInput::RemoveHook() {
  sink_ = nullptr;
  dropped_ = false;
}

void FakeInput::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                           std::uintptr_t extraInfo) {
  KeyEvent e;
  e.message = (flags & platform::kKeyEventfKeyUp) ? platform::kWmKeyUp : platform::kWmKeyDown;
  e.vkCode = vk;
  e.scanCode = scan;
  e.flags = platform::kLlkhfInjected | ((flags & platform::kKeyEventfExtendedKey) ? 1u : 0u);
  e.time = now;
  e.extraInfo = extraInfo;
  injected.push_back(e);
  queue_.push_back(e);
  if (depth_ == 0) Drain();
}

void FakeInput::Press(int vk, bool down, bool sys) {
  KeyEvent e;
  if (sys) {
    e.message = down ? platform::kWmSysKeyDown : platform::kWmSysKeyUp;
  } else {
    e.message = down ? platform::kWmKeyDown : platform::kWmKeyUp;
  }
  e.vkCode = static_cast<std::uint32_t>(vk) & 0xFF;
  e.scanCode = MapKey(e.vkCode, 0);
  e.time = now;
  queue_.push_back(e);
  if (depth_ == 0) Drain();
}

void FakeInput::Drain() {
  while (!queue_.empty()) {
    KeyEvent e = queue_.front();
    queue_.pop_front();
    Deliver(e);
  }
}

void FakeInput::Deliver(const KeyEvent& e) {
  lastInput_ = e.time;
  HookAnswer answer = HookAnswer::PassOn;
  if (sink_ && !dropped_) {
    ++depth_;
    answer = sink_->OnKeyEvent(e);
    --depth_;
    answers.push_back(answer);
  }
  if (answer == HookAnswer::Swallow) return;
  received.push_back(e);
  bool up = e.message == platform::kWmKeyUp || e.message == platform::kWmSysKeyUp;
  down_[e.vkCode & 0xFF] = !up;
}

unsigned FakeInput::MapKey(unsigned code, unsigned mapType) {
  if (mapType != 0) return 0;
  // A few rows of the US layout; enough for tests to tell a mapped scan code from none.
  static const unsigned char letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                            0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                            0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
  if (code >= 'A' && code <= 'Z') return letters[code - 'A'];
  if (code >= '1' && code <= '9') return 0x02 + (code - '1');
  if (code == '0') return 0x0B;
  if (code == 0x20) return 0x39;  // space
  if (code == 0x0D) return 0x1C;  // enter
  if (code == 0xA0) return 0x2A;  // left shift
  return 0;
}

short FakeInput::AsyncKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  return AsyncFor(down_[static_cast<std::size_t>(virtualKey)]);
}

}  // namespace zv::fake
