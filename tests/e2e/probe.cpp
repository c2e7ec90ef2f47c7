// The end-to-end tests' witness: a window that appends every key message it receives to a file,
// one line each ("+B", "-B", "+#186"; "^" marks the SYS messages, a trailing "e" the extended-key
// flag, which tells an arrow from the number pad's key of the same scan code), flushed at once.
//
// Its first line says which window it is: "ready <title> <X window id>", so that the test
// focuses exactly this window instead of searching the display by name. Under Wine the X
// window's id is the window property "__wine_x11_whole_window". It is 0 when this process came
// up without the X driver, as happens when it starts while the Wine desktop of an earlier test
// is going away: Wine then refuses the window, or keeps it to itself.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

FILE* g_out = nullptr;

std::string Name(WPARAM vk, LPARAM lp) {
  std::string extended = (lp & (1 << 24)) ? "e" : "";
  if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return char(vk) + extended;
  return "#" + std::to_string(static_cast<unsigned>(vk)) + extended;
}

void Record(const std::string& line) {
  std::fputs((line + "\n").c_str(), g_out);
  std::fflush(g_out);
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_KEYDOWN:
      Record("+" + Name(wp, lp));
      return 0;
    case WM_KEYUP:
      Record("-" + Name(wp, lp));
      return 0;
    case WM_SYSKEYDOWN:
      Record("+^" + Name(wp, lp));
      return 0;
    case WM_SYSKEYUP:
      Record("-^" + Name(wp, lp));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, m, wp, lp);
}

int Left() {
  const char* left = std::getenv("ZV_PROBE_LEFT");
  return left ? std::atoi(left) : 10;
}

}  // namespace

// Usage: zv_probe.exe LOG [CLASS], or zv_probe.exe --started FILE ARGS...: appends
// "started ARGS..." to FILE and ends, for a test that a program was started with its arguments. With CLASS it stands for another program's hidden window of
// a class the program's own windows share: it says "ready <title> 0" and takes no focus. The
// environment's ZV_PROBE_LEFT places the window that many pixels from the screen's left edge.
int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (argc > 2 && std::string(argv[1]) == "--started") {
    std::string line = "started";
    for (int i = 3; i < argc; ++i) line += std::string(" ") + argv[i];
    g_out = std::fopen(argv[2], "a");
    if (g_out) Record(line);
    return g_out ? 0 : 2;
  }
  const bool other = argc > 2;
  const char* className = other ? argv[2] : "ZvProbe";
  g_out = std::fopen(argv[1], "a");
  if (!g_out) return 2;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  std::string title = "ZvProbe " + std::to_string(GetCurrentProcessId());
  HWND w = CreateWindowA(className, title.c_str(), WS_OVERLAPPEDWINDOW | (other ? 0 : WS_VISIBLE),
                         Left(), 10, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  if (!w || other) {  // without w: no display driver, Wine refuses the window
    Record("ready " + title.substr(8) + " 0");
    if (!w) return 3;
  } else {
    SetForegroundWindow(w);
    SetFocus(w);
  }
  MSG msg;
  // The X window is made as the window is shown; give it a moment.
  for (DWORD start = GetTickCount(); !other && GetTickCount() - start < 5000; Sleep(20)) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (GetPropA(w, "__wine_x11_whole_window")) break;
  }
  auto x11 = reinterpret_cast<std::uintptr_t>(GetPropA(w, "__wine_x11_whole_window"));
  if (!other) Record("ready " + title.substr(8) + " " + std::to_string(x11));
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
