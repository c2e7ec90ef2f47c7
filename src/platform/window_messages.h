#pragma once
// Messages to the program's own windows, as the hook sends them.
#include <cstdint>

namespace zv::platform {

class WindowMessages {
 public:
  virtual ~WindowMessages() = default;
  // True when handle (as the registry stores it, 32 bits) is a window of this process.
  virtual bool IsOwnWindow(std::uint32_t handle) = 0;
  // SendMessageA: returns once the window has handled the message.
  virtual void Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) = 0;
};

}  // namespace zv::platform
