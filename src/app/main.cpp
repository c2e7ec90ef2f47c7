// Program entry: one instance, the main window, the hidden start, the message loop.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "app/elevated_switches.h"
#include "app/main_form.h"

namespace {

// Users start the program from their Downloads folder, where other downloads can lie beside
// it: DLLs are loaded from the system folder only. Looked up by name, since Windows 7 without
// update KB2533623 lacks the call.
void LimitDllSearchToSystemFolder() {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto set = reinterpret_cast<SetDefaultDllDirectoriesFn>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  LimitDllSearchToSystemFolder();
  // The manifest asks for the version 6 controls; registering them here makes sure the
  // library is loaded before the first window is made.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The elevated writers of values under HKEY_LOCAL_MACHINE run while the normal instance does.
  if (zv::IsElevatedSwitch(__argc, __argv)) return zv::RunElevatedSwitch(__argc, __argv);
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
