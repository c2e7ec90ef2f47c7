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

bool FakeInput::ReplaceHook(platform::KeyHookSink& sink) {
  return InstallHook(sink);  // the old hook, if any, stays until the new one is there
}

void FakeInput::RemoveHook() {
  sink_ = nullptr;
  dropped_ = false;
}

bool FakeInput::SendKeys(const platform::KeyInput* keys, std::size_t count) {
  if (away_) return false;  // SendInput fails while another desktop has the input
  batches.push_back(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (keys[i].mouseDown) {  // the click comes after the keys before it, as one piece
      KeyEvent click;
      click.vkCode = 1;
      click.flags = platform::kLlkhfInjected;
      click.extraInfo = keys[i].extraInfo;
      queue_.push_back(click);
      continue;
    }
    KeyEvent e;
    bool up = keys[i].flags & platform::kKeyEventfKeyUp;
    e.message = up ? platform::kWmKeyUp : platform::kWmKeyDown;
    e.vkCode = keys[i].vk;
    e.scanCode = keys[i].scan;
    e.flags = platform::kLlkhfInjected |
              ((keys[i].flags & platform::kKeyEventfExtendedKey) ? platform::kLlkhfExtended : 0);
    e.time = now;
    e.extraInfo = keys[i].extraInfo;
    injected.push_back(e);
    if (!up && losePresses_ > 0) {
      --losePresses_;
      continue;
    }
    queue_.push_back(e);  // the whole batch is queued before any of it is delivered
  }
  if (depth_ == 0) Drain();
  return true;
}

void FakeInput::Press(int vk, bool down, bool sys) {
  KeyEvent e;
  if (sys) {
    e.message = down ? platform::kWmSysKeyDown : platform::kWmSysKeyUp;
  } else {
    e.message = down ? platform::kWmKeyDown : platform::kWmKeyUp;
  }
  e.vkCode = static_cast<std::uint32_t>(vk) & 0xFF;
  e.scanCode = ScanOf(e.vkCode);
  e.time = now;
  if (away_) {
    lastInput_ = now;
    down_[e.vkCode] = down;
    return;
  }
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
  if (e.vkCode == 1) {  // an injected click: no keyboard hook sees it
    received.push_back(e);
    return;
  }
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

void FakeInput::InjectForeign(int vk, bool down, unsigned scan) {
  KeyEvent e;
  e.message = down ? platform::kWmKeyDown : platform::kWmKeyUp;
  e.vkCode = static_cast<std::uint32_t>(vk) & 0xFF;
  e.scanCode = scan ? scan : ScanOf(e.vkCode);
  e.flags = platform::kLlkhfInjected;
  e.time = now;
  queue_.push_back(e);
  if (depth_ == 0) Drain();
}

void FakeInput::ClickMouse() {
  if (mouseSink_ && mouseSink_->OnMouseButton(platform::kWmLButtonDown, 0)) return;
  KeyEvent e;
  e.vkCode = 1;
  e.time = now;
  received.push_back(e);
}

void FakeInput::PressAltGr(bool down) {
  KeyEvent control;
  control.message = down ? platform::kWmKeyDown : platform::kWmKeyUp;
  control.vkCode = 0xA2;
  control.scanCode = platform::kAltGrControlScan;
  control.time = now;
  queue_.push_back(control);
  Press(0xA5, down);
}

unsigned FakeInput::MapKey(unsigned code, unsigned mapType) {
  ++mapKeyCalls;
  return mapType == 0 ? ScanOf(code) : 0;
}

unsigned FakeInput::ScanOf(unsigned code) const {
  if (layout == kFrench) {
    if (code == 'A' || code == 'Q') code = 'A' + 'Q' - code;
    if (code == 'Z' || code == 'W') code = 'Z' + 'W' - code;
  }
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
  // The arrows and the block above them share their scan codes with the number pad (whose own
  // keys Wine maps to 0, so neither does the fake).
  static const unsigned char block[] = {0x49, 0x51, 0x4F, 0x47, 0x4B, 0x48, 0x4D, 0x50};
  if (code >= 0x21 && code <= 0x28) return block[code - 0x21];
  if (code == 0x2D) return 0x52;                  // insert
  if (code == 0x2E) return 0x53;                  // delete
  if (code == 0xA2 || code == 0xA3) return 0x1D;  // left, right ctrl
  if (code == 0xA4 || code == 0xA5) return 0x38;  // left, right alt
  return 0;
}

short FakeInput::AsyncKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  return AsyncFor(down_[static_cast<std::size_t>(virtualKey)]);
}

}  // namespace zv::fake
