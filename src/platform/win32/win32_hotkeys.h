#pragma once
#include <windows.h>

#include "platform/hotkeys.h"

namespace zv::win32 {

// The hotkeys of one window: WM_HOTKEY arrives there.
class Win32HotKeys : public platform::HotKeys {
 public:
  explicit Win32HotKeys(HWND window = nullptr) : window_(window) {}
  void SetWindow(HWND window) { window_ = window; }
  unsigned AddAtom(const std::string& name) override { return GlobalAddAtomA(name.c_str()); }
  bool Register(int id, unsigned modifiers, unsigned key) override {
    return RegisterHotKey(window_, id, modifiers, key) != 0;
  }
  bool Unregister(int id) override { return UnregisterHotKey(window_, id) != 0; }

 private:
  HWND window_;
};

}  // namespace zv::win32
