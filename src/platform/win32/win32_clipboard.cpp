#include "platform/win32/win32_clipboard.h"

#include <cstring>

namespace zv::win32 {

bool Win32Clipboard::ReplaceText(const std::string& text) {
  if (!OpenClipboard(owner_)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (memory) {
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);  // kept by the system otherwise
  }
  CloseClipboard();
  return true;
}

std::string Win32Clipboard::Text() {
  if (!OpenClipboard(owner_)) return std::string();
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace zv::win32
