#pragma once
// Helpers for tests that need a message loop or a window of their own under Wine.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zv::testing_win32 {

// Runs the calling thread's message loop until done() holds or about ten seconds have passed.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
// Runs the message loop for about ms milliseconds.
void PumpFor(DWORD ms);

// A plain top-level window that writes down the mouse buttons and private messages it gets.
class HiddenWindow {
 public:
  // visible: shown at (x, y) with the given size, on top; otherwise never shown.
  explicit HiddenWindow(bool visible = false, int x = 0, int y = 0, int w = 200, int h = 200);
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;
  HWND handle() const { return window_; }
  // "LD", "LU", "RD", "RU" for button messages; "M<msg>:<wParam>:<lParam>" for WM_APP+.
  const std::vector<std::string>& received() const { return received_; }
  // How often it was asked to paint itself.
  int paints() const { return paints_; }
  static constexpr LRESULT kSendAnswer = 4242;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  std::vector<std::string> received_;
  int paints_ = 0;
};

}  // namespace zv::testing_win32
