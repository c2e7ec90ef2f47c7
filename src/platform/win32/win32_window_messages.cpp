#include "platform/win32/win32_window_messages.h"

#include <windows.h>

namespace zv::win32 {
namespace {

// Window handles have 32 significant bits and are sign-extended in 64-bit programs.
HWND FromRegistry(std::uint32_t handle) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
}

}  // namespace

bool Win32WindowMessages::IsOwnWindow(std::uint32_t handle) {
  HWND window = FromRegistry(handle);
  if (!handle || !IsWindow(window)) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

void Win32WindowMessages::Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) {
  SendMessageA(FromRegistry(handle), message, static_cast<WPARAM>(wParam), 0);
}

}  // namespace zv::win32
