// Program entry: one instance, the main window, the hidden start, the message loop.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "app/main_form.h"
#include "app/scancode_switch.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The elevated writer of Windows' key map runs while the normal instance does.
  if (zv::IsWriteScancodeMapSwitch(__argc, __argv))
    return zv::RunWriteScancodeMapSwitch(__argc, __argv);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, zv::kApplicationTitle);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // A second start ends at once and silently; the running one is not told.
    ReleaseMutex(mutex);
    CloseHandle(mutex);
    return 0;
  }
  zv::TMainForm form(instance);
  if (!form.Create()) return 1;
  // Only the first argument counts, and only when it is exactly "-Hide".
  if (__argc > 1 && std::strcmp(__argv[1], "-Hide") == 0) {
    form.HiddenStart();
  } else {
    form.ShowCentered();
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (form.IsDialogMessage(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;  // the mutex handle stays open until the process ends
}
