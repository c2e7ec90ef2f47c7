#include "app/instance_windows.h"

#include "app/app_ids.h"

namespace zv {

UINT ShowRequestMessage() {
  static const UINT message = RegisterWindowMessageA(ZV_SHOW_MESSAGE_NAME);
  return message;
}

std::vector<std::uintptr_t> Win32InstanceWindows::MainForms() {
  std::vector<std::uintptr_t> found;
  // Hidden windows too: the running instance usually lives in the tray.
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "TMainForm", nullptr)) != nullptr;)
    found.push_back(reinterpret_cast<std::uintptr_t>(w));
  return found;
}

std::intptr_t Win32InstanceWindows::SendShowRequest(std::uintptr_t window, std::uintptr_t wParam) {
  DWORD_PTR answer = 0;
  if (ShowRequestMessage() == 0) return 0;
  // A program that hangs, or one busy for a long while, is not waited for.
  if (!SendMessageTimeoutA(reinterpret_cast<HWND>(window), ShowRequestMessage(), wParam, 0,
                           SMTO_ABORTIFHUNG, 5000, &answer))
    return 0;
  return static_cast<std::intptr_t>(answer);
}

void Win32InstanceWindows::AllowForeground(std::uintptr_t window) {
  DWORD process = 0;
  GetWindowThreadProcessId(reinterpret_cast<HWND>(window), &process);
  if (process != 0) AllowSetForegroundWindow(process);
}

}  // namespace zv
