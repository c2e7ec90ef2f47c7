// Program entry: one instance, the main window, the hidden start, the message loop.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/elevated_switches.h"
#include "app/instance_windows.h"
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
  const std::vector<std::string> args(__argv + 1, __argv + __argc);
  HANDLE mutex = CreateMutexA(nullptr, FALSE, zv::kApplicationTitle);
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    // A second start ends at once: silently at sign-in, else with the running one's window shown.
    CloseHandle(mutex);
    zv::Win32InstanceWindows windows;
    zv::SecondStart(args, windows);
    return 0;
  }
  zv::TMainForm form(instance);
  if (!form.Create()) return 1;
  if (zv::IsHiddenStart(args)) {
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
