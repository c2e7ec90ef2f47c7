// Installs menu_spy.dll's hook for every thread of the desktop and keeps it until ended.
#include <windows.h>

int main() {
  HMODULE spy = LoadLibraryA("menu_spy.dll");
  if (!spy) return 2;
  auto proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(spy, "SpyProc")));
  if (!proc || !SetWindowsHookExA(WH_CALLWNDPROC, proc, spy, 0)) return 3;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
