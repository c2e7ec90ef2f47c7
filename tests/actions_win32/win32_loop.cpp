#include "tests/actions_win32/win32_loop.h"

namespace zv::testing_win32 {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return true;
}

void PumpFor(DWORD ms) {
  DWORD start = GetTickCount();
  PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

namespace {
constexpr char kClassName[] = "ZorvaneTestWindow";
}

HiddenWindow::HiddenWindow(bool visible, int x, int y, int w, int h) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  RegisterClassA(&wc);
  window_ = CreateWindowExA(visible ? WS_EX_TOPMOST : 0, kClassName, "zorvane test", WS_POPUP, x, y,
                            w, h, nullptr, nullptr, wc.hInstance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (visible) {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    UpdateWindow(window_);
  }
}

HiddenWindow::~HiddenWindow() {
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK HiddenWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<HiddenWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    switch (message) {
      case WM_PAINT:
        ++self->paints_;
        break;
      case WM_LBUTTONDOWN:
        self->received_.push_back("LD");
        break;
      case WM_LBUTTONUP:
        self->received_.push_back("LU");
        break;
      case WM_RBUTTONDOWN:
        self->received_.push_back("RD");
        break;
      case WM_RBUTTONUP:
        self->received_.push_back("RU");
        break;
      default:
        if (message >= WM_APP && message < 0xC000) {
          self->received_.push_back("M" + std::to_string(message) + ":" + std::to_string(wParam) +
                                    ":" + std::to_string(lParam));
          return kSendAnswer;
        }
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zv::testing_win32
