#pragma once
#include <windows.h>

#include "platform/clipboard.h"

namespace zv::win32 {

// The clipboard, opened for owner (a window of this program) for each operation.
class Win32Clipboard : public platform::Clipboard {
 public:
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  bool ReplaceText(const std::string& text) override;
  std::string Text() override;

 private:
  HWND owner_;
};

}  // namespace zv::win32
