#include "platform/fake/fake_key_state.h"

namespace zv::fake {

short FakeKeyState::AsyncKeyState(int virtualKey) {
  ++queries;
  return IsDown(virtualKey) ? static_cast<short>(0x8000) : 0;
}

}  // namespace zv::fake
