#pragma once
// The volume bar in a window of its own: layered (and shaped to the bar and its text),
// click-through, topmost, never activated and not on the taskbar. Hiding it makes no other
// window repaint beyond what it covered.
//
// The window belongs to the thread that creates this object (the main thread). The drawing
// thread only leaves the picture here and posts a note, so neither thread ever waits for the
// other.
#include <windows.h>

#include <mutex>

#include "platform/screen_painter.h"

namespace zv::win32 {

class Win32BarWindow : public platform::ScreenPainter {
 public:
  Win32BarWindow();
  ~Win32BarWindow() override;
  Win32BarWindow(const Win32BarWindow&) = delete;
  Win32BarWindow& operator=(const Win32BarWindow&) = delete;

  int ScreenWidth() override;
  int ScreenHeight() override;
  void PaintBar(const platform::BarPicture& picture) override;
  void HideBar() override;

  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Want(bool shown, const platform::BarPicture* picture);
  void Sync();
  HRGN ShapeOf(SIZE size);
  void Paint(HDC dc, SIZE size);

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  std::mutex mutex_;
  platform::BarPicture wanted_;  // guarded by mutex_, as are the two flags
  bool shownWanted_ = false;
  bool notePosted_ = false;
  platform::BarPicture shown_;  // what the window shows; main thread only
  POINT origin_ = {0, 0};       // the window's top-left corner on the screen
};

}  // namespace zv::win32
