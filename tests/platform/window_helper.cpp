// One window: top-level, or given a window's handle, a child of a store app's core window class in
// that window.
#include <windows.h>

#include <cstdint>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR args, int) {
  WNDCLASSW type{};
  type.lpfnWndProc = DefWindowProcW;
  type.hInstance = instance;
  type.lpszClassName = L"Windows.UI.Core.CoreWindow";
  RegisterClassW(&type);
  auto parent =
      reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(args, nullptr, 10)));
  CreateWindowExW(0, type.lpszClassName, L"helper",
                  parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                  parent, nullptr, instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
