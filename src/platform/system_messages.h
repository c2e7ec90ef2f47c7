#pragma once
// Messages to windows that are not ours to call directly: the desktop, and the application
// window that leaves system commands to the default window handling.
#include <cstdint>

namespace zv::platform {

using WindowHandle = std::uintptr_t;

constexpr unsigned kWmSysCommand = 0x112;
constexpr std::uintptr_t kScMonitorPower = 0xF170;
constexpr std::uintptr_t kScScreenSave = 0xF140;

class SystemMessages {
 public:
  virtual ~SystemMessages() = default;
  virtual WindowHandle DesktopWindow() = 0;
  // PostMessageA: queues the message and returns at once.
  virtual bool Post(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
  // SendMessageA: returns when the window has handled the message.
  virtual std::intptr_t Send(WindowHandle window, unsigned message, std::uintptr_t wParam,
                             std::intptr_t lParam) = 0;
};

}  // namespace zv::platform
