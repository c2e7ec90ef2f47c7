#pragma once
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/shell.h"

namespace zv::win32 {

class Win32Shell : public platform::Shell {
 public:
  explicit Win32Shell(HWND window = nullptr) : window_(window) {}
  void SetWindow(HWND window) { window_ = window; }
  bool Open(const std::string& target) override {
    HINSTANCE result = ShellExecuteA(window_, "Open", target.c_str(), "", "", SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }

 private:
  HWND window_;
};

}  // namespace zv::win32
