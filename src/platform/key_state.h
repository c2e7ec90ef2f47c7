#pragma once
// The live keyboard state (GetAsyncKeyState).

namespace zv::platform {

class KeyState {
 public:
  virtual ~KeyState() = default;
  // GetAsyncKeyState's answer: the sign bit is set while the key is down.
  virtual short AsyncKeyState(int virtualKey) = 0;
};

}  // namespace zv::platform
