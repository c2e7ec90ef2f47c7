#include "platform/win32/win32_tray.h"

#include <cstring>

namespace zv::win32 {

namespace {

constexpr const char* kClassName = "ZorvaneTrayWindow";
constexpr UINT_PTR kClickTimer = 1;

template <std::size_t N>
void CopyText(char (&to)[N], const std::string& text) {
  std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
  std::memcpy(to, text.data(), n);
  to[n] = '\0';
}

}  // namespace

Win32Tray::Win32Tray(HINSTANCE instance, platform::TraySink& sink) : sink_(sink) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // A top-level window, not a message-only one: only those receive "TaskbarCreated".
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, instance, this);
  taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  data_.cbSize = sizeof data_;
  data_.hWnd = window_;
  data_.uID = kIconId;
  data_.uCallbackMessage = kCallbackMessage;
  active_ = suspended_ = LoadIcon(nullptr, IDI_APPLICATION);
  data_.hIcon = active_;
}

Win32Tray::~Win32Tray() {
  RemoveTrayIcon();
  if (window_) DestroyWindow(window_);
}

void Win32Tray::SetIcons(HICON active, HICON suspended) {
  active_ = active;
  suspended_ = suspended;
  data_.hIcon = active;
}

bool Win32Tray::Notify(DWORD message, UINT flags) {
  data_.uFlags = flags;
  return Shell_NotifyIconA(message, &data_) != FALSE;  // failures are not reported
}

void Win32Tray::ShowTrayIcon(const std::string& tip) {
  CopyText(data_.szTip, tip);
  shown_ = true;
  Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void Win32Tray::SetTrayHint(const std::string& tip) {
  CopyText(data_.szTip, tip);
  if (shown_) Notify(NIM_MODIFY, NIF_TIP);
}

void Win32Tray::ShowBalloon(const std::string& title, const std::string& text,
                            unsigned timeoutSeconds) {
  CopyText(data_.szInfoTitle, title);
  CopyText(data_.szInfo, text);
  data_.uTimeout = timeoutSeconds * 1000;
  data_.dwInfoFlags = NIIF_INFO;
  if (shown_) Notify(NIM_MODIFY, NIF_INFO);
}

void Win32Tray::HideBalloon() {
  data_.szInfo[0] = '\0';
  if (shown_) Notify(NIM_MODIFY, NIF_INFO);
}

void Win32Tray::SetActiveLook(bool active) {
  data_.hIcon = active ? active_ : suspended_;
  if (shown_) Notify(NIM_MODIFY, NIF_ICON);
}

void Win32Tray::RemoveTrayIcon() {
  if (!shown_) return;
  shown_ = false;
  Notify(NIM_DELETE, 0);
}

LRESULT CALLBACK Win32Tray::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Tray*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Tray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || self->window_ != window) return DefWindowProcA(window, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT Win32Tray::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kCallbackMessage) {
    OnMouse(static_cast<UINT>(lParam));
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    if (shown_) Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return 0;
  }
  if (message == WM_TIMER && wParam == kClickTimer) {
    KillTimer(window_, kClickTimer);
    if (clickPending_) {
      clickPending_ = false;
      sink_.OnTrayClick();
    }
    return 0;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void Win32Tray::OnMouse(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONUP:
      if (swallowNextUp_) {
        swallowNextUp_ = false;
        return;
      }
      clickPending_ = true;
      SetTimer(window_, kClickTimer, GetDoubleClickTime(), nullptr);
      return;
    case WM_LBUTTONDBLCLK:
      KillTimer(window_, kClickTimer);
      clickPending_ = false;
      swallowNextUp_ = true;
      sink_.OnTrayDoubleClick();
      return;
    case WM_RBUTTONUP:
      sink_.OnTrayMenu();
      return;
  }
}

}  // namespace zv::win32
