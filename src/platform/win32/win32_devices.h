#pragma once
// Power, CD tray, mouse, system messages and sleeping: each a direct call of its Win32 function.
#include <windows.h>

#include "platform/media.h"
#include "platform/mouse.h"
#include "platform/power.h"
#include "platform/sleeper.h"
#include "platform/system_messages.h"

namespace zv::win32 {

class Win32Power : public platform::Power {
 public:
  bool EnableShutdownPrivilege() override;
  void ExitSession(unsigned flags) override;
  void SetSuspendState(bool hibernate) override;
};

class Win32Media : public platform::Media {
 public:
  // callback is the window named as the commands' callback window (none: nullptr).
  explicit Win32Media(HWND callback = nullptr) : callback_(callback) {}
  unsigned SendCommand(const std::string& command) override;

 private:
  HWND callback_;
};

class Win32Mouse : public platform::Mouse {
 public:
  void MouseEvent(unsigned flags) override;
};

class Win32SystemMessages : public platform::SystemMessages {
 public:
  platform::WindowHandle DesktopWindow() override;
  bool Post(platform::WindowHandle window, unsigned message, std::uintptr_t wParam,
            std::intptr_t lParam) override;
  std::intptr_t Send(platform::WindowHandle window, unsigned message, std::uintptr_t wParam,
                     std::intptr_t lParam) override;
};

class Win32Sleeper : public platform::Sleeper {
 public:
  void Sleep(int ms) override;
};

inline HWND WindowOf(platform::WindowHandle handle) {
  return reinterpret_cast<HWND>(handle);
}
inline platform::WindowHandle HandleOf(HWND window) {
  return reinterpret_cast<platform::WindowHandle>(window);
}

}  // namespace zv::win32
