#pragma once
// The real keyboard state for the dialogs under test.
#include <windows.h>

#include "platform/key_state.h"

namespace zv::testing_win32 {

struct LiveKeyState : platform::KeyState {
  short AsyncKeyState(int virtualKey) override { return GetAsyncKeyState(virtualKey); }
};

}  // namespace zv::testing_win32
