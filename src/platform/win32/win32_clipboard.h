#pragma once
#include <windows.h>

#include "platform/clipboard.h"

namespace zv::win32 {

// The clipboard, opened for owner for each operation. The program's clipboard work runs on the
// worker thread, which has no window: it opens the clipboard without an owner (nullptr), so no
// other program ever waits for this one to answer WM_DESTROYCLIPBOARD.
class Win32Clipboard : public platform::Clipboard {
 public:
  explicit Win32Clipboard(HWND owner = nullptr) : owner_(owner) {}
  bool ReplaceText(const std::string& text) override;
  bool ReplaceTextKeeping(const std::string& text, platform::ClipboardCopy& previous) override;
  platform::PutBackResult PutBack(const platform::ClipboardCopy& copy,
                                  std::uint32_t sequence) override;
  std::uint32_t SequenceNumber() override { return GetClipboardSequenceNumber(); }
  std::string Text() override;

 private:
  HWND owner_;
};

}  // namespace zv::win32
