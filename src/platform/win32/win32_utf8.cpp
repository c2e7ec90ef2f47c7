#include "platform/win32/win32_utf8.h"

#include <windows.h>

namespace zv::win32 {

std::wstring WideOf(const std::string& utf8) {
  int size = static_cast<int>(utf8.size());
  int units = size ? MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0) : 0;
  std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
  if (units > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &wide[0], units);
  return wide;
}

std::string Utf8Of(const wchar_t* wide, std::size_t units) {
  int count = static_cast<int>(units);
  int size = count ? WideCharToMultiByte(CP_UTF8, 0, wide, count, nullptr, 0, nullptr, nullptr) : 0;
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  if (size > 0) WideCharToMultiByte(CP_UTF8, 0, wide, count, &text[0], size, nullptr, nullptr);
  return text;
}

}  // namespace zv::win32
