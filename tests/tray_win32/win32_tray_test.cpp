// The tray and the hotkeys on the real system under Wine. A window of the shell's tray class
// in this process stands in for the notification area: Wine's Shell_NotifyIcon sends the
// icon's data to it with WM_COPYDATA.
#include "platform/win32/win32_tray.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_hotkeys.h"
#include "tests/tray/tray_contract.h"
#include "tests/win32/wine_notify_data.h"

namespace zv::contract {
namespace {

using testing_win32::Narrow;
using testing_win32::NotifyData;

class StandIn {
 public:
  StandIn() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0,
                              1, 1, nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~StandIn() { DestroyWindow(window_); }
  TrayView view;
  int adds = 0;

 private:
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<StandIn*>(GetWindowLongPtrA(w, GWLP_USERDATA));
    if (m != WM_COPYDATA || !self) return DefWindowProcA(w, m, wp, lp);
    auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lp);
    const auto& d = *static_cast<const NotifyData*>(data->lpData);
    TrayView& v = self->view;
    if (data->dwData == NIM_DELETE) {
      v = TrayView{};
      return TRUE;
    }
    if (data->dwData == NIM_ADD) {
      v.icon = true;
      ++self->adds;
    }
    if (d.uFlags & NIF_TIP) v.tip = Narrow(d.szTip);
    if (d.uFlags & NIF_INFO) {
      v.balloon = Narrow(d.szInfo);
      v.balloonTitle = Narrow(d.szInfoTitle);
      v.timeoutMs = d.uTimeout;
    }
    return TRUE;
  }
  HWND window_;
};

class Sink : public platform::TraySink {
 public:
  void OnTrayClick() override { log += "click "; }
  void OnTrayDoubleClick() override { log += "double "; }
  void OnTrayMenu() override { log += "menu "; }
  std::string log;
};

struct Win32TrayEnv : TrayEnv {
  StandIn standIn;
  Sink sink;
  win32::Win32Tray real{GetModuleHandleA(nullptr), sink};
  platform::Tray& tray() override { return real; }
  TrayView Shown() override { return standIn.view; }
};

struct Win32HotKeysEnv : HotKeysEnv {
  HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  win32::Win32HotKeys real{window};
  ~Win32HotKeysEnv() override { DestroyWindow(window); }
  platform::HotKeys& hotKeys() override { return real; }
};

// Takes the messages that arrive within ms milliseconds.
void Pump(DWORD ms) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void Mouse(HWND tray, std::initializer_list<UINT> messages) {
  for (UINT m : messages) {
    PostMessageA(tray, win32::Win32Tray::kCallbackMessage, win32::Win32Tray::kIconId, m);
  }
}

TEST(Win32Tray, AClickWaitsForTheDoubleClickTimeAndADoubleClickComesAlone) {
  Win32TrayEnv env;
  env.real.ShowTrayIcon("Zorvane");
  HWND tray = env.real.window();
  const DWORD wait = GetDoubleClickTime();

  Mouse(tray, {WM_LBUTTONDOWN, WM_LBUTTONUP});
  Pump(wait / 3);
  EXPECT_EQ(env.sink.log, "");  // a second press may still come
  Pump(wait * 2);
  EXPECT_EQ(env.sink.log, "click ");

  env.sink.log.clear();
  Mouse(tray, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP});
  Pump(wait / 3);
  EXPECT_EQ(env.sink.log, "double ");
  Pump(wait * 2);
  EXPECT_EQ(env.sink.log, "double ");  // no click after it

  env.sink.log.clear();
  Mouse(tray, {WM_RBUTTONDOWN, WM_RBUTTONUP});
  Pump(50);
  EXPECT_EQ(env.sink.log, "menu ");
}

TEST(Win32Tray, ANewTaskbarGetsTheIconAgainUntilItIsRemoved) {
  Win32TrayEnv env;
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  SendMessageA(env.real.window(), taskbarCreated, 0, 0);
  EXPECT_EQ(env.standIn.adds, 0);  // not shown yet
  env.real.ShowTrayIcon("Zorvane: Activated");
  SendMessageA(env.real.window(), taskbarCreated, 0, 0);
  EXPECT_EQ(env.standIn.adds, 2);
  EXPECT_EQ(env.standIn.view.tip, "Zorvane: Activated");
  env.real.RemoveTrayIcon();
  SendMessageA(env.real.window(), taskbarCreated, 0, 0);
  EXPECT_EQ(env.standIn.adds, 2);
  EXPECT_FALSE(env.standIn.view.icon);
}

}  // namespace
std::unique_ptr<TrayEnv> MakeTrayEnv() {
  return std::make_unique<Win32TrayEnv>();
}
std::unique_ptr<HotKeysEnv> MakeHotKeysEnv() {
  return std::make_unique<Win32HotKeysEnv>();
}
}  // namespace zv::contract
