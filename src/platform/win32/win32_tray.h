#pragma once
// The tray icon through Shell_NotifyIconA, with a hidden top-level window of its own that
// receives the icon's mouse messages and the "TaskbarCreated" broadcast (after Explorer has
// restarted, the icon is added again). A left click is reported only once the double-click
// time has passed without a second press; a double click at once, without a click.
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include <string>

#include "common/private_messages.h"
#include "platform/tray.h"

namespace zv::win32 {

class Win32Tray : public platform::Tray {
 public:
  static constexpr UINT kCallbackMessage = WM_TRAYICON;
  static constexpr UINT kIconId = 1;

  Win32Tray(HINSTANCE instance, platform::TraySink& sink);
  ~Win32Tray() override;
  Win32Tray(const Win32Tray&) = delete;
  Win32Tray& operator=(const Win32Tray&) = delete;

  // The icons of the active and the suspended engine.
  void SetIcons(HICON active, HICON suspended);
  HWND window() const { return window_; }

  void ShowTrayIcon(const std::string& tip) override;
  void SetTrayHint(const std::string& tip) override;
  void ShowBalloon(const std::string& title, const std::string& text,
                   unsigned timeoutSeconds) override;
  void HideBalloon() override;
  void SetActiveLook(bool active) override;
  void RemoveTrayIcon() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnMouse(UINT mouseMessage);
  bool Notify(DWORD message, UINT flags);

  platform::TraySink& sink_;
  HWND window_ = nullptr;
  UINT taskbarCreated_ = 0;
  NOTIFYICONDATAA data_ = {};
  HICON active_ = nullptr;
  HICON suspended_ = nullptr;
  bool shown_ = false;
  bool clickPending_ = false;
  bool swallowNextUp_ = false;  // the button-up that ends a double click
};

}  // namespace zv::win32
