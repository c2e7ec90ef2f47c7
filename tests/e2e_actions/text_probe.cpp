// A witness for pasted text: a window with one multi-line text field, which writes the field's
// whole text to a file (replacing it) at every change.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const char* g_path = nullptr;
HWND g_edit = nullptr;
constexpr int kEditId = 100;

void Save() {
  int length = GetWindowTextLengthA(g_edit);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(g_edit, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  std::string temporary = std::string(g_path) + ".new";
  if (FILE* out = std::fopen(temporary.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
    MoveFileExA(temporary.c_str(), g_path, MOVEFILE_REPLACE_EXISTING);
  }
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case WM_COMMAND:
      if (LOWORD(wp) == kEditId && HIWORD(wp) == EN_CHANGE) Save();
      return 0;
    case WM_SETFOCUS:
      SetFocus(g_edit);  // keys typed at the window go into the field
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
  g_path = argv[1];
  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZvTextProbe";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  HWND w = CreateWindowA("ZvTextProbe", "ZvTextProbe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                         300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  g_edit = CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0,
                         280, 160, w, reinterpret_cast<HMENU>(kEditId), wc.hInstance, nullptr);
  SetForegroundWindow(w);
  SetFocus(g_edit);
  Save();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
