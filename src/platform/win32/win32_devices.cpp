#include "platform/win32/win32_devices.h"

#include <mmsystem.h>
#include <powrprof.h>

namespace zv::win32 {

bool Win32Power::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return false;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  bool enabled =
      LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
      GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return enabled;
}

void Win32Power::ExitSession(unsigned flags) {
  ExitWindowsEx(flags, 0);
}

// SetSystemPowerState is not supported since Windows Vista; this is its replacement.
void Win32Power::SetSuspendState(bool hibernate) {
  ::SetSuspendState(hibernate ? TRUE : FALSE, TRUE, FALSE);
}

unsigned Win32Media::SendCommand(const std::string& command) {
  return mciSendStringA(command.c_str(), nullptr, 0, callback_);
}

void Win32Mouse::MouseEvent(unsigned flags) {
  mouse_event(flags, 0, 0, 0, 0);
}

platform::WindowHandle Win32SystemMessages::DesktopWindow() {
  return HandleOf(GetDesktopWindow());
}

bool Win32SystemMessages::Post(platform::WindowHandle window, unsigned message,
                               std::uintptr_t wParam, std::intptr_t lParam) {
  return PostMessageA(WindowOf(window), message, wParam, lParam) != FALSE;
}

std::intptr_t Win32SystemMessages::Send(platform::WindowHandle window, unsigned message,
                                        std::uintptr_t wParam, std::intptr_t lParam) {
  return SendMessageA(WindowOf(window), message, wParam, lParam);
}

void Win32Sleeper::Sleep(int ms) {
  ::Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
}

}  // namespace zv::win32
