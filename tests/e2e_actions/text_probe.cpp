// A witness for pasted text: a Unicode window with one multi-line text field, which writes the
// field's whole text to a file as UTF-8 (replacing it) at every change.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

const char* g_path = nullptr;
HWND g_edit = nullptr;
constexpr int kEditId = 100;

void Save() {
  int length = GetWindowTextLengthW(g_edit);
  std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
  length = GetWindowTextW(g_edit, wide.data(), length + 1);
  int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, text.data(), size, nullptr, nullptr);
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
  return DefWindowProcW(w, m, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_path = argv[1];
  WNDCLASSW wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"ZvTextProbe";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&wc);
  HWND w = CreateWindowW(L"ZvTextProbe", L"ZvTextProbe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                         300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  g_edit = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_WANTRETURN, 0, 0,
                         280, 160, w, reinterpret_cast<HMENU>(kEditId), wc.hInstance, nullptr);
  SetForegroundWindow(w);
  SetFocus(g_edit);
  Save();
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
