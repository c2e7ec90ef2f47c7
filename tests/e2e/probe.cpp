// The end-to-end tests' witness: a window that appends every key message it receives to a file,
// one line each ("+B", "-B", "+#186"; "^" marks the SYS messages, a trailing "e" the extended-key
// flag, which tells an arrow from the number pad's key of the same scan code), flushed at once.
#include <windows.h>

#include <cstdio>
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

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_out = std::fopen(argv[1], "a");
  if (!g_out) return 2;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZvProbe";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  HWND w = CreateWindowA("ZvProbe", "ZvProbe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                         nullptr, nullptr, wc.hInstance, nullptr);
  SetForegroundWindow(w);
  SetFocus(w);
  Record("ready");
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
